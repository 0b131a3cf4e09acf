#pragma once
// The built-in synthesizer, one per process. Its soundfont and audio output
// are brought up once, on a background thread started at program start, so
// that opening it later costs nothing and the first chord does not wait.
#include <chrono>
#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <thread>

#include "core/app/song_file.h"
#include "core/sound/midi_message.h"

namespace strumbly {

class SynthEngine;

class BuiltinSynth {
 public:
  static constexpr const char* kDeviceName = "Strumbly Synthesizer";
  // Names a WAV file that receives the audio instead of the sound server.
  static constexpr const char* kAudioFileVariable = "STRUMBLY_AUDIO_FILE";

  static BuiltinSynth& Instance();

  // Starts loading on a background thread; later calls do nothing, unless
  // the load failed: then they try again.
  // soundFontSetting is the user's choice of soundfont, empty for the usual.
  // The program is selected on the channel before the synthesizer counts as
  // ready, so the song's first note does not wait for its samples.
  void StartLoading(const std::string& soundFontSetting, int channel = 0, int program = kDefaultProgram);
  static constexpr int kDefaultProgram = kDefaultPatch;  // a new song's steel string guitar

  // Waits until loading has ended (starting it if nobody did; a failed load
  // is not repeated here) and tells whether the synthesizer can sound. The
  // wait is bounded: a soundfont on a disk that does not answer gives false
  // after the limit, and the loading goes on in the background.
  static constexpr std::chrono::milliseconds kLoadWaitLimit{15000};
  bool WaitUntilReady(std::chrono::milliseconds limit = kLoadWaitLimit);
  // Without waiting: loaded and sounding.
  bool Ready();
  bool LoadingStarted();

  // Thread-safe; nothing happens before the synthesizer is ready. Send is
  // SendAt with the present moment.
  void Send(const ShortMessage& message);
  // Sounds the message at the moment at (a fixed latency of two audio
  // periods later): a sender that wakes late still sounds its note on time.
  // A moment already past sounds as soon as possible, in the order sent.
  void SendAt(const ShortMessage& message, std::chrono::steady_clock::time_point at);

  // Selects the program on the channel so that its samples are in memory
  // before the first note: once loading is done when called earlier,
  // otherwise at once on a thread of its own, so the caller never waits.
  void SelectProgram(int channel, int program);

  // The user chose another soundfont: it sounds from now on. Before the
  // synthesizer was started nothing happens (it will load the setting);
  // false with the reason when the new one cannot be loaded.
  bool ChangeSoundFont(const std::string& soundFontSetting, std::string* error = nullptr);

  // What loading does: the engine of the soundfont setting with its audio
  // output started, or null. Tests give their own; the program's instance
  // loads the real one.
  using Loader = std::function<std::unique_ptr<SynthEngine>(const std::string& soundFontSetting)>;
  explicit BuiltinSynth(Loader loader);
  ~BuiltinSynth();
  BuiltinSynth(const BuiltinSynth&) = delete;
  BuiltinSynth& operator=(const BuiltinSynth&) = delete;

 private:
  static std::unique_ptr<SynthEngine> LoadEngine(const std::string& soundFontSetting);
  void Load(std::string soundFontSetting);
  SynthEngine* ReadyEngine();

  Loader loader_function_;
  std::mutex mutex_;
  std::condition_variable loaded_;
  bool started_ = false;
  bool finished_ = false;
  std::thread loader_;
  std::unique_ptr<SynthEngine> engine_;  // set once, when ready
  std::optional<ShortMessage> program_;  // to select once loaded
  std::thread selector_;
};

}  // namespace strumbly
