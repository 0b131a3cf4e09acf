#include "platform/midi/sample_clock.h"

#include <cmath>

namespace strumbly {

namespace {
// How much of each report's error is taken in: small enough that one late
// wake-up of the audio thread shifts the mapping by a few microseconds.
constexpr double kFollow = 0.01;
}  // namespace

double SampleClock::SecondsFromRef(Clock::time_point t) const {
  return std::chrono::duration<double>(t - refTime_).count();
}

void SampleClock::Report(std::int64_t frame, Clock::time_point now) {
  std::lock_guard lock(mutex_);
  if (started_) {
    const double expected = static_cast<double>(frame - refFrame_) / rate_ + correction_;
    const double error = SecondsFromRef(now) - expected;
    if (std::fabs(error) < std::chrono::duration<double>(kResetAfter).count()) {
      correction_ += error * kFollow;
      return;
    }
  }
  started_ = true;
  refTime_ = now;
  refFrame_ = frame;
  correction_ = 0;
}

std::int64_t SampleClock::FrameAt(Clock::time_point t) const {
  std::lock_guard lock(mutex_);
  if (!started_) return -1;
  return refFrame_ + std::llround((SecondsFromRef(t) - correction_) * rate_);
}

SampleClock::Clock::time_point SampleClock::TimeOf(std::int64_t frame) const {
  std::lock_guard lock(mutex_);
  const double seconds = static_cast<double>(frame - refFrame_) / rate_ + correction_;
  return refTime_ + std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double>(seconds));
}

}  // namespace strumbly
