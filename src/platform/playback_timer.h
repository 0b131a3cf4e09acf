#pragma once
// Wakes the player at a moment of the steady clock. A precise timer of the
// event loop carries the wait to just before the moment, so the window stays
// responsive meanwhile, and a short sleep hits the moment itself: the
// callback never runs early. One moment is pending at a time.
#include <QObject>
#include <QTimer>
#include <chrono>
#include <functional>

namespace strumbly {

class PlaybackTimer : public QObject {
 public:
  using Clock = std::chrono::steady_clock;
  // The part of a wait that is slept rather than spent in the event loop.
  static constexpr std::chrono::microseconds kSleepPart{2000};

  explicit PlaybackTimer(std::function<void()> due, QObject* parent = nullptr);

  // Calls due at the moment at, from the event loop; a moment already past
  // calls it as soon as the loop runs. Replaces a moment still pending.
  void Start(Clock::time_point at);
  void Stop();
  bool Pending() const { return timer_.isActive(); }

 private:
  void Arm();
  void Fire();

  std::function<void()> due_;
  QTimer timer_;
  Clock::time_point at_{};
};

}  // namespace strumbly
