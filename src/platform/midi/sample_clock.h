#pragma once
// Maps moments of the steady clock onto frames of an audio output. The
// output reports, each time it renders, which frame it is at and when; the
// clock follows those reports slowly, so the wake-up jitter of the audio
// thread does not move notes while a slow drift between the sound card's
// clock and the system's is still followed.
#include <chrono>
#include <cstdint>
#include <mutex>

namespace strumbly {

class SampleClock {
 public:
  using Clock = std::chrono::steady_clock;

  // A report further off than this (the output stalled or restarted)
  // starts the mapping anew.
  static constexpr std::chrono::milliseconds kResetAfter{50};

  explicit SampleClock(int sampleRate) : rate_(sampleRate) {}

  // The output is about to render from frame on, at the moment now. The
  // first report fixes the mapping.
  void Report(std::int64_t frame, Clock::time_point now);

  // The frame that renders at moment t by the mapping; -1 before the first
  // report.
  std::int64_t FrameAt(Clock::time_point t) const;

  // The moment frame renders by the mapping.
  Clock::time_point TimeOf(std::int64_t frame) const;

 private:
  double SecondsFromRef(Clock::time_point t) const;

  const int rate_;
  mutable std::mutex mutex_;
  bool started_ = false;
  Clock::time_point refTime_{};
  std::int64_t refFrame_ = 0;
  double correction_ = 0;  // seconds by which the reports run late of refTime_
};

}  // namespace strumbly
