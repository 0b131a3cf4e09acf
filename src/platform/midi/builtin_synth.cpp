#include "platform/midi/builtin_synth.h"

#include <cstdlib>

#include "platform/midi/synth_engine.h"

namespace strumbly {

BuiltinSynth& BuiltinSynth::Instance() {
  static BuiltinSynth synth(LoadEngine);
  return synth;
}

BuiltinSynth::BuiltinSynth(Loader loader) : loader_function_(std::move(loader)) {}

BuiltinSynth::~BuiltinSynth() {
  if (loader_.joinable()) {
    std::unique_lock lock(mutex_);
    // A loader stuck in the file system must not keep the program from
    // ending: it is left to the end of the process.
    const bool finished = loaded_.wait_for(lock, std::chrono::seconds(2), [this] { return finished_; });
    lock.unlock();
    if (finished)
      loader_.join();
    else
      loader_.detach();
  }
  if (selector_.joinable()) selector_.join();
}

std::unique_ptr<SynthEngine> BuiltinSynth::LoadEngine(const std::string& soundFontSetting) {
  std::string error;
  auto engine = SynthEngine::Load(FindSoundFont(soundFontSetting), &error);
  if (engine) {
    const char* file = std::getenv(kAudioFileVariable);
    if (!engine->StartAudio(file ? file : "")) engine.reset();
  }
  return engine;
}

void BuiltinSynth::StartLoading(const std::string& soundFontSetting, int channel, int program) {
  std::lock_guard lock(mutex_);
  // A load that failed (no soundfont, no audio output then) is tried again
  // when asked for anew.
  const bool failed = finished_ && !engine_;
  if (started_ && !failed) return;
  if (loader_.joinable()) loader_.join();  // it has finished
  started_ = true;
  finished_ = false;
  if (!program_) program_ = ProgramChangeMessage(channel, program);
  loader_ = std::thread([this, soundFontSetting] { Load(soundFontSetting); });
}

void BuiltinSynth::Load(std::string soundFontSetting) {
  auto engine = loader_function_(soundFontSetting);
  std::unique_lock lock(mutex_);
  // The song's program, asked for while loading, is in memory before the
  // synthesizer counts as ready.
  while (engine && program_) {
    const ShortMessage program = *program_;
    program_.reset();
    lock.unlock();
    engine->Send(program);
    lock.lock();
  }
  engine_ = std::move(engine);
  finished_ = true;
  loaded_.notify_all();
}

bool BuiltinSynth::WaitUntilReady(std::chrono::milliseconds limit) {
  if (!LoadingStarted()) StartLoading({});
  std::unique_lock lock(mutex_);
  if (!loaded_.wait_for(lock, limit, [this] { return finished_; })) return false;
  return engine_ != nullptr;
}

bool BuiltinSynth::LoadingStarted() {
  std::lock_guard lock(mutex_);
  return started_;
}

bool BuiltinSynth::Ready() {
  std::lock_guard lock(mutex_);
  return finished_ && engine_;
}

bool BuiltinSynth::ChangeSoundFont(const std::string& soundFontSetting, std::string* error) {
  if (!LoadingStarted()) return true;
  if (!WaitUntilReady()) {
    // The first load failed; this one may do better.
    {
      std::lock_guard lock(mutex_);
      if (!finished_) {
        // Still loading after the limit: the soundfont's disk does not answer.
        if (error) *error = "The synthesizer is still loading its soundfont; try again later.";
        return false;
      }
      if (loader_.joinable()) loader_.join();
      started_ = false;
      finished_ = false;
    }
    StartLoading(soundFontSetting);
    return WaitUntilReady();
  }
  return ReadyEngine()->ReplaceSoundFont(FindSoundFont(soundFontSetting), error);
}

SynthEngine* BuiltinSynth::ReadyEngine() {
  std::lock_guard lock(mutex_);
  return finished_ ? engine_.get() : nullptr;
}

void BuiltinSynth::Send(const ShortMessage& message) { SendAt(message, std::chrono::steady_clock::now()); }

void BuiltinSynth::SendAt(const ShortMessage& message, std::chrono::steady_clock::time_point at) {
  if (SynthEngine* engine = ReadyEngine()) engine->SendAt(message, at);
}

void BuiltinSynth::SelectProgram(int channel, int program) {
  const ShortMessage message = ProgramChangeMessage(channel, program);
  std::lock_guard lock(mutex_);
  if (!finished_) {
    program_ = message;
    return;
  }
  if (!engine_) return;
  // Reading a preset's samples can take tens of milliseconds.
  if (selector_.joinable()) selector_.join();
  selector_ = std::thread([engine = engine_.get(), message] { engine->Send(message); });
}

}  // namespace strumbly
