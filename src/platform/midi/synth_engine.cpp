#include "platform/midi/synth_engine.h"

#include <fluidsynth.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include "platform/song_io.h"

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

// The block start nearest the frame.
std::int64_t NearestBlock(std::int64_t frame) {
  const std::int64_t b = SynthEngine::kBlockFrames;
  return (frame + b / 2) / b * b;
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

std::unique_ptr<SynthEngine> SynthEngine::Load(const std::string& soundFont, std::string* error, int cpuCores,
                                               int sampleRate) {
  QuietLog();
  auto fail = [error](std::string text) {
    if (error) *error = std::move(text);
    return nullptr;
  };
  if (soundFont.empty()) return fail("no soundfont found");
  // Only a regular file: the loader would wait for ever on a named pipe,
  // and reading a device has effects of its own.
  if (const std::string reason = NotARegularFileReason(soundFont); !reason.empty())
    return fail("cannot load the soundfont " + soundFont + ": " + reason);
  std::unique_ptr<SynthEngine> engine(new SynthEngine);
  engine->settings_ = new_fluid_settings();
  if (!engine->settings_) return fail("out of memory");
  fluid_settings_t* s = S(engine->settings_);
  fluid_settings_setnum(s, "synth.sample-rate", sampleRate);
  fluid_settings_setnum(s, "synth.gain", kGain);
  fluid_settings_setint(s, "synth.polyphony", kPolyphony);
  fluid_settings_setint(s, "synth.threadsafe-api", 1);
  fluid_settings_setint(s, "synth.dynamic-sample-loading", 1);
  if (cpuCores > 1) fluid_settings_setint(s, "synth.cpu-cores", cpuCores);
  engine->synth_ = new_fluid_synth(s);
  if (!engine->synth_) return fail("the synthesizer could not be created");
  // No preset is selected on loading: the samples of a channel's preset are
  // read when a program change selects it.
  engine->soundFontId_ = fluid_synth_sfload(Y(engine->synth_), soundFont.c_str(), 0);
  if (engine->soundFontId_ == FLUID_FAILED) return fail("cannot load the soundfont " + soundFont);
  return engine;
}

bool SynthEngine::ReplaceSoundFont(const std::string& soundFont, std::string* error) {
  if (const std::string reason = NotARegularFileReason(soundFont); !soundFont.empty() && !reason.empty()) {
    if (error) *error = "Cannot open file " + soundFont + ": " + reason + ".";
    return false;
  }
  const int id = soundFont.empty() ? FLUID_FAILED : fluid_synth_sfload(Y(synth_), soundFont.c_str(), 0);
  if (id == FLUID_FAILED) {
    if (error) *error = "Cannot open file " + soundFont;
    return false;
  }
  if (soundFontId_ >= 0) fluid_synth_sfunload(Y(synth_), soundFontId_, 1);
  soundFontId_ = id;
  // Every channel takes its program again, now from the new soundfont.
  fluid_synth_program_reset(Y(synth_));
  return true;
}

SynthEngine::~SynthEngine() {
  StopAudio();
  if (synth_) delete_fluid_synth(Y(synth_));
  if (settings_) delete_fluid_settings(S(settings_));
}

void SynthEngine::Apply(const ShortMessage& m) {
  const int channel = m.Channel();
  switch (m.Kind()) {
    case kNoteOnStatus:
      fluid_synth_noteon(Y(synth_), channel, m.data1 & 0x7F, m.data2 & 0x7F);
      break;
    case kNoteOffStatus:
      fluid_synth_noteoff(Y(synth_), channel, m.data1 & 0x7F);
      break;
    default:
      break;
  }
}

void SynthEngine::SelectProgram(int channel, int program, bool onlyIfNone) {
  std::lock_guard lock(programMutex_);
  int& selected = programs_[static_cast<std::size_t>(channel)];
  if (selected == program || (onlyIfNone && selected >= 0)) return;
  fluid_synth_program_change(Y(synth_), channel, program);
  selected = program;
}

void SynthEngine::Send(const ShortMessage& m) {
  if (m.Kind() == kProgramChangeStatus) {
    SelectProgram(m.Channel(), m.data1 & 0x7F, false);
    return;
  }
  // A channel that was never given a program plays the first one, as on
  // any General MIDI device; its samples are read here, not on the audio
  // thread.
  SelectProgram(m.Channel(), 0, true);
  Apply(m);
}

void SynthEngine::SendAtFrame(const ShortMessage& m, std::int64_t frame) {
  if (m.Kind() == kProgramChangeStatus) {
    Send(m);
    return;
  }
  if (m.Kind() != kNoteOnStatus && m.Kind() != kNoteOffStatus) return;
  SelectProgram(m.Channel(), 0, true);
  std::lock_guard lock(queueMutex_);
  // A moment already rendered: next, after every message sent before.
  const std::int64_t next = rendered_.load();
  if (frame < next) frame = next;
  queue_.emplace(frame, m);
}

void SynthEngine::SendAt(const ShortMessage& m, Clock::time_point at) {
  const std::int64_t frame = FrameAt(at);
  if (frame < 0) {
    Send(m);
    return;
  }
  SendAtFrame(m, frame + kLatencyFrames);
}

std::size_t SynthEngine::Pending() {
  std::lock_guard lock(queueMutex_);
  return queue_.size();
}

void SynthEngine::RenderPlain(float* left, float* right, int frames) {
  fluid_synth_write_float(Y(synth_), frames, left, 0, 1, right, 0, 1);
  rendered_ += frames;
}

void SynthEngine::Render(float* left, float* right, int frames) {
  int done = 0;
  while (done < frames) {
    const std::int64_t now = rendered_.load();
    std::int64_t until = now + (frames - done);
    {
      std::lock_guard lock(queueMutex_);
      while (!queue_.empty()) {
        const auto first = queue_.begin();
        const std::int64_t at = NearestBlock(first->first);
        if (at > now) {
          until = std::min(until, at);
          break;
        }
        Apply(first->second);
        queue_.erase(first);
      }
    }
    const int n = static_cast<int>(until - now);
    RenderPlain(left + done, right + done, n);
    done += n;
  }
  limiter_.Process(left, right, frames);
}

std::int64_t SynthEngine::FrameAt(Clock::time_point t) const {
  if (!running_.load()) return -1;
  return clock_.FrameAt(t);
}

int SynthEngine::DriverCallback(void* data, int len, int, float*[], int nout, float* out[]) {
  auto* self = static_cast<SynthEngine*>(data);
  if (nout < 2) return FLUID_FAILED;
  self->clock_.Report(self->rendered_.load(), Clock::now());
  self->Render(out[0], out[1], len);
  return FLUID_OK;
}

void SynthEngine::WriteFileLoop(Clock::time_point start) {
  std::vector<float> left(kPeriodFrames), right(kPeriodFrames);
  // Period n is rendered when its first frame is due, like a sound card
  // asking for its next period. The clock is given the ideal moments, so
  // the file's time and the clock's are one.
  for (std::int64_t period = 0; !stopFile_.load(); ++period) {
    const std::int64_t frame = period * kPeriodFrames;
    const auto due = start + std::chrono::duration_cast<Clock::duration>(
                                 std::chrono::duration<double>(static_cast<double>(frame) / kSampleRate));
    std::this_thread::sleep_until(due);
    if (stopFile_.load()) break;
    clock_.Report(rendered_.load(), due);
    Render(left.data(), right.data(), kPeriodFrames);
    if (!wav_.Append(left.data(), right.data(), kPeriodFrames)) break;
  }
}

bool SynthEngine::StartAudio(const std::string& wavFile) {
  if (AudioRunning()) return true;
  if (!wavFile.empty()) {
    if (!wav_.Open(wavFile, kSampleRate)) return false;
    stopFile_ = false;
    const auto start = Clock::now();
    clock_.Report(rendered_.load(), start);
    fileThread_ = std::thread([this, start] { WriteFileLoop(start); });
    running_ = true;
    return true;
  }
  fluid_settings_t* s = S(settings_);
  fluid_settings_setint(s, "audio.period-size", kPeriodFrames);
  fluid_settings_setint(s, "audio.periods", 2);
  for (const char* name : {"pulseaudio", "pipewire", "alsa"}) {
    if (fluid_settings_setstr(s, "audio.driver", name) != FLUID_OK) continue;
    driver_ = new_fluid_audio_driver2(s, &SynthEngine::DriverCallback, this);
    if (driver_) {
      running_ = true;
      return true;
    }
  }
  return false;
}

void SynthEngine::StopAudio() {
  running_ = false;
  if (driver_) {
    delete_fluid_audio_driver(static_cast<fluid_audio_driver_t*>(driver_));
    driver_ = nullptr;
  }
  if (fileThread_.joinable()) {
    stopFile_ = true;
    fileThread_.join();
  }
  wav_.Close();
}

}  // namespace strumbly
