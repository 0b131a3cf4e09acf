#pragma once
// The built-in synthesizer, one per process. Its soundfont and audio output
// are brought up once, on a background thread started at program start, so
// that opening it later costs nothing and the first chord does not wait.
#include <condition_variable>
#include <memory>
#include <mutex>
#include <string>
#include <thread>

#include "core/sound/midi_message.h"

namespace strumbly {

class SynthEngine;

class BuiltinSynth {
 public:
  static constexpr const char* kDeviceName = "Strumbly Synthesizer";
  // Names a WAV file that receives the audio instead of the sound server.
  static constexpr const char* kAudioFileVariable = "STRUMBLY_AUDIO_FILE";

  static BuiltinSynth& Instance();

  // Starts loading on a background thread; later calls do nothing.
  // soundFontSetting is the user's choice of soundfont, empty for the usual.
  void StartLoading(const std::string& soundFontSetting);

  // Waits until loading has ended (starting it if nobody did) and tells
  // whether the synthesizer can sound.
  bool WaitUntilReady();
  // Without waiting: loaded and sounding.
  bool Ready();
  bool LoadingStarted();

  // Thread-safe; nothing happens before the synthesizer is ready.
  void Send(const ShortMessage& message);

  ~BuiltinSynth();

 private:
  BuiltinSynth() = default;
  void Load(std::string soundFontSetting);

  std::mutex mutex_;
  std::condition_variable loaded_;
  bool started_ = false;
  bool finished_ = false;
  std::thread loader_;
  std::unique_ptr<SynthEngine> engine_;  // set once, when ready
};

}  // namespace strumbly
