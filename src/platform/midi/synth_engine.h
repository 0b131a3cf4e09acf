#pragma once
// One FluidSynth synthesizer with a General MIDI soundfont. It can render
// into buffers (for tests and offline use) or play through an audio output:
// the desktop's sound server, or a WAV file written in real time.
#include <memory>
#include <string>
#include <vector>

#include "core/sound/midi_message.h"

namespace strumbly {

// The soundfont to load: the setting when it is set, otherwise the first of
// the usual General MIDI soundfonts that is present; empty when none is.
std::string FindSoundFont(const std::string& setting);
const std::vector<std::string>& DefaultSoundFonts();

class SynthEngine {
 public:
  static constexpr int kSampleRate = 48000;

  // Loads the soundfont; null (with the reason in error) when it cannot.
  static std::unique_ptr<SynthEngine> Load(const std::string& soundFont, std::string* error = nullptr);
  ~SynthEngine();
  SynthEngine(const SynthEngine&) = delete;
  SynthEngine& operator=(const SynthEngine&) = delete;

  // Note-on, note-off and program change; other messages are ignored.
  // Safe to call from any thread.
  void Send(const ShortMessage& message);

  // Renders frames of stereo audio at kSampleRate. Not while audio runs.
  void Render(float* left, float* right, int frames);

  // Starts the audio output: the WAV file when wavFile is not empty, else the
  // sound server, with an audio period of at most 10 ms. False when no
  // output could be opened. Once started it runs until the engine goes.
  bool StartAudio(const std::string& wavFile);
  bool AudioRunning() const { return driver_ != nullptr; }

 private:
  SynthEngine() = default;
  void* settings_ = nullptr;  // fluid_settings_t
  void* synth_ = nullptr;     // fluid_synth_t
  void* driver_ = nullptr;    // fluid_audio_driver_t
};

}  // namespace strumbly
