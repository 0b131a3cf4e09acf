#pragma once
// The About box's sound: a short guitar phrase of our own, looped through
// the built-in synthesizer while the box is active. Silent when the
// synthesizer has no audio output (or is still loading).
#include <QTimer>
#include <functional>
#include <vector>

#include "core/sound/midi_message.h"

namespace strumbly {

struct PhraseNote {
  int step;  // when it starts, in steps from the phrase's start
  int key;
  int length;  // in steps
};

class AboutSound {
 public:
  static constexpr int kChannel = 15;  // apart from the song's channel
  static constexpr int kProgram = 24;  // nylon string guitar
  static constexpr int kStepMs = 150;

  // Sends to the built-in synthesizer unless given another sink (tests).
  explicit AboutSound(std::function<void(const ShortMessage&)> sink = {}, std::function<bool()> canSound = {});
  ~AboutSound() { Stop(); }

  static const std::vector<PhraseNote>& Phrase();
  static int PhraseSteps();

  void Start();  // loops until Stop
  void Stop();   // ends every sounding note
  bool Playing() const { return timer_.isActive(); }
  void SetStepMs(int ms) { timer_.setInterval(ms); }

 private:
  void Step();
  std::function<void(const ShortMessage&)> sink_;
  std::function<bool()> canSound_;
  QTimer timer_;
  int step_ = 0;
  std::vector<std::pair<int, int>> sounding_;  // key, step at which it ends
};

}  // namespace strumbly
