#include "platform/playback_timer.h"

#include <thread>

namespace strumbly {

PlaybackTimer::PlaybackTimer(std::function<void()> due, QObject* parent) : QObject(parent), due_(std::move(due)) {
  timer_.setTimerType(Qt::PreciseTimer);
  timer_.setSingleShot(true);
  connect(&timer_, &QTimer::timeout, this, &PlaybackTimer::Fire);
}

void PlaybackTimer::Start(Clock::time_point at) {
  at_ = at;
  Arm();
}

void PlaybackTimer::Stop() { timer_.stop(); }

void PlaybackTimer::Arm() {
  // Rounded down: the timer comes 2 to 3 ms before the moment, early enough
  // for the event loop's own lateness.
  const auto early = std::chrono::floor<std::chrono::milliseconds>(at_ - Clock::now() - kSleepPart);
  timer_.start(std::max(early, std::chrono::milliseconds(0)));
}

void PlaybackTimer::Fire() {
  // A timer that came much too early (the event loop may round) waits on;
  // the last stretch is slept.
  if (at_ - Clock::now() > 3 * kSleepPart) {
    Arm();
    return;
  }
  std::this_thread::sleep_until(at_);
  due_();
}

}  // namespace strumbly
