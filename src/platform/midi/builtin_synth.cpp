#include "platform/midi/builtin_synth.h"

#include <cstdlib>

#include "platform/midi/synth_engine.h"

namespace strumbly {

BuiltinSynth& BuiltinSynth::Instance() {
  static BuiltinSynth synth;
  return synth;
}

BuiltinSynth::~BuiltinSynth() {
  if (loader_.joinable()) loader_.join();
}

void BuiltinSynth::StartLoading(const std::string& soundFontSetting) {
  std::lock_guard lock(mutex_);
  if (started_) return;
  started_ = true;
  loader_ = std::thread([this, soundFontSetting] { Load(soundFontSetting); });
}

void BuiltinSynth::Load(std::string soundFontSetting) {
  std::string error;
  auto engine = SynthEngine::Load(FindSoundFont(soundFontSetting), &error);
  if (engine) {
    const char* file = std::getenv(kAudioFileVariable);
    if (!engine->StartAudio(file ? file : "")) engine.reset();
  }
  std::lock_guard lock(mutex_);
  engine_ = std::move(engine);
  finished_ = true;
  loaded_.notify_all();
}

bool BuiltinSynth::WaitUntilReady() {
  StartLoading({});
  std::unique_lock lock(mutex_);
  loaded_.wait(lock, [this] { return finished_; });
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

void BuiltinSynth::Send(const ShortMessage& message) {
  SynthEngine* engine;
  {
    std::lock_guard lock(mutex_);
    engine = finished_ ? engine_.get() : nullptr;
  }
  if (engine) engine->Send(message);
}

}  // namespace strumbly
