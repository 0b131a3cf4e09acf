#include "platform/midi/synth_engine.h"

#include <fluidsynth.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <mutex>

namespace strumbly {

namespace {

fluid_settings_t* S(void* p) { return static_cast<fluid_settings_t*>(p); }
fluid_synth_t* Y(void* p) { return static_cast<fluid_synth_t*>(p); }

// FluidSynth reports through a global log; errors go to standard error with
// our prefix, the chatter below that is dropped.
void LogToStderr(int level, const char* message, void*) {
  if (level <= FLUID_ERR) std::fprintf(stderr, "Strumbly Synthesizer: %s\n", message);
}

void QuietLog() {
  static std::once_flag once;
  std::call_once(once, [] {
    fluid_set_log_function(FLUID_PANIC, LogToStderr, nullptr);
    fluid_set_log_function(FLUID_ERR, LogToStderr, nullptr);
    fluid_set_log_function(FLUID_WARN, nullptr, nullptr);
    fluid_set_log_function(FLUID_INFO, nullptr, nullptr);
    fluid_set_log_function(FLUID_DBG, nullptr, nullptr);
  });
}

}  // namespace

const std::vector<std::string>& DefaultSoundFonts() {
  static const std::vector<std::string> paths = {
      "/usr/share/sounds/sf2/FluidR3_GM.sf2",
      "/usr/share/sounds/sf2/TimGM6mb.sf2",
      "/usr/share/sounds/sf2/default-GM.sf2",
  };
  return paths;
}

std::string FindSoundFont(const std::string& setting) {
  if (!setting.empty()) return setting;
  std::error_code ec;
  for (const auto& path : DefaultSoundFonts())
    if (std::filesystem::is_regular_file(path, ec)) return path;
  return {};
}

std::unique_ptr<SynthEngine> SynthEngine::Load(const std::string& soundFont, std::string* error) {
  QuietLog();
  auto fail = [error](std::string text) {
    if (error) *error = std::move(text);
    return nullptr;
  };
  if (soundFont.empty()) return fail("no soundfont found");
  std::unique_ptr<SynthEngine> engine(new SynthEngine);
  engine->settings_ = new_fluid_settings();
  if (!engine->settings_) return fail("out of memory");
  fluid_settings_setnum(S(engine->settings_), "synth.sample-rate", kSampleRate);
  fluid_settings_setnum(S(engine->settings_), "synth.gain", 0.5);
  fluid_settings_setint(S(engine->settings_), "synth.threadsafe-api", 1);
  engine->synth_ = new_fluid_synth(S(engine->settings_));
  if (!engine->synth_) return fail("the synthesizer could not be created");
  if (fluid_synth_sfload(Y(engine->synth_), soundFont.c_str(), 1) == FLUID_FAILED)
    return fail("cannot load the soundfont " + soundFont);
  return engine;
}

SynthEngine::~SynthEngine() {
  if (driver_) delete_fluid_audio_driver(static_cast<fluid_audio_driver_t*>(driver_));
  if (synth_) delete_fluid_synth(Y(synth_));
  if (settings_) delete_fluid_settings(S(settings_));
}

void SynthEngine::Send(const ShortMessage& m) {
  const int channel = m.Channel();
  switch (m.Kind()) {
    case kNoteOnStatus: fluid_synth_noteon(Y(synth_), channel, m.data1 & 0x7F, m.data2 & 0x7F); break;
    case kNoteOffStatus: fluid_synth_noteoff(Y(synth_), channel, m.data1 & 0x7F); break;
    case kProgramChangeStatus: fluid_synth_program_change(Y(synth_), channel, m.data1 & 0x7F); break;
    default: break;
  }
}

void SynthEngine::Render(float* left, float* right, int frames) {
  fluid_synth_write_float(Y(synth_), frames, left, 0, 1, right, 0, 1);
}

bool SynthEngine::StartAudio(const std::string& wavFile) {
  if (driver_) return true;
  fluid_settings_t* s = S(settings_);
  if (!wavFile.empty()) {
    // The file driver renders one period per timer tick of whole
    // milliseconds, so the period must be a whole number of milliseconds
    // for the file to keep real time: 96 frames at 48 kHz are 2 ms.
    fluid_settings_setstr(s, "audio.driver", "file");
    fluid_settings_setstr(s, "audio.file.name", wavFile.c_str());
    fluid_settings_setstr(s, "audio.file.type", "wav");
    fluid_settings_setint(s, "audio.period-size", 96);
    driver_ = new_fluid_audio_driver(s, Y(synth_));
    return driver_ != nullptr;
  }
  // 256 frames at 48 kHz: a period of 5.3 ms.
  fluid_settings_setint(s, "audio.period-size", 256);
  fluid_settings_setint(s, "audio.periods", 2);
  for (const char* name : {"pulseaudio", "pipewire", "alsa"}) {
    if (fluid_settings_setstr(s, "audio.driver", name) != FLUID_OK) continue;
    driver_ = new_fluid_audio_driver(s, Y(synth_));
    if (driver_) return true;
  }
  return false;
}

}  // namespace strumbly
