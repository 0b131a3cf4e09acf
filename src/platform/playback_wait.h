#pragma once
// Waits out a chord without spinning: a precise timer inside a nested event
// loop carries the wait to just before the deadline, so the window stays
// responsive, and a short sleep hits the deadline itself. Interrupt() (from
// a handler run inside the loop, e.g. Stop) ends the wait at once.
#include <chrono>

class QEventLoop;

namespace strumbly {

class PlaybackWait {
 public:
  using Clock = std::chrono::steady_clock;
  // The part of a wait that is slept rather than spent in the event loop.
  static constexpr std::chrono::microseconds kSleepPart{2000};

  // Waits until deadline. With processEvents the user interface handles its
  // events meanwhile; without, the thread just sleeps. Gives false when the
  // wait was interrupted or the application quits. A deadline already passed
  // returns at once without processing events.
  bool WaitUntil(Clock::time_point deadline, bool processEvents);
  // Ends the running wait, if any, as soon as control is back in its loop.
  void Interrupt();
  bool Waiting() const { return loop_ != nullptr; }

 private:
  QEventLoop* loop_ = nullptr;
  bool interrupted_ = false;
};

}  // namespace strumbly
