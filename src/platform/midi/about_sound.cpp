#include "platform/midi/about_sound.h"

#include "platform/midi/builtin_synth.h"

namespace strumbly {

const std::vector<PhraseNote>& AboutSound::Phrase() {
  // G, then E minor, then C, then D, picked upward and back down, with the
  // bass ringing under each bar.
  static const std::vector<PhraseNote> phrase = [] {
    std::vector<PhraseNote> notes;
    const int bars[4][4] = {{43, 50, 59, 62}, {40, 52, 55, 59}, {48, 52, 55, 60}, {50, 57, 62, 66}};
    for (int bar = 0; bar < 4; ++bar) {
      const int at = bar * 8;
      const int* k = bars[bar];
      notes.push_back({at, k[0], 8});
      const int upDown[7] = {k[1], k[2], k[3], k[2] + 12 > 76 ? k[3] : k[2] + 12, k[3], k[2], k[1]};
      for (int i = 0; i < 7; ++i) notes.push_back({at + 1 + i, upDown[i], 2});
    }
    notes.push_back({32, 43, 8});
    notes.push_back({32, 55, 8});
    notes.push_back({32, 59, 8});
    notes.push_back({32, 67, 8});
    return notes;
  }();
  return phrase;
}

int AboutSound::PhraseSteps() { return 44; }

AboutSound::AboutSound(std::function<void(const ShortMessage&)> sink, std::function<bool()> canSound)
    : sink_(std::move(sink)), canSound_(std::move(canSound)) {
  if (!sink_) sink_ = [](const ShortMessage& m) { BuiltinSynth::Instance().Send(m); };
  if (!canSound_) canSound_ = [] { return BuiltinSynth::Instance().Ready(); };
  timer_.setTimerType(Qt::PreciseTimer);
  timer_.setInterval(kStepMs);
  QObject::connect(&timer_, &QTimer::timeout, [this] { Step(); });
}

void AboutSound::Start() {
  if (timer_.isActive() || !canSound_()) return;
  sink_(ProgramChangeMessage(kChannel, kProgram));
  step_ = 0;
  Step();
  timer_.start();
}

void AboutSound::Stop() {
  timer_.stop();
  for (const auto& [key, end] : sounding_) sink_(NoteOffMessage(kChannel, key, 0));
  sounding_.clear();
}

void AboutSound::Step() {
  for (auto it = sounding_.begin(); it != sounding_.end();) {
    if (it->second <= step_) {
      sink_(NoteOffMessage(kChannel, it->first, 0));
      it = sounding_.erase(it);
    } else {
      ++it;
    }
  }
  const int inPhrase = step_ % PhraseSteps();
  for (const auto& n : Phrase()) {
    if (n.step != inPhrase) continue;
    sink_(NoteOnMessage(kChannel, n.key, 0));
    sounding_.emplace_back(n.key, step_ + n.length);
  }
  ++step_;
}

}  // namespace strumbly
