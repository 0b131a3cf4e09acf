#pragma once
// When each chord of a playback ends. Every end is counted from the start
// of the playback (start + the lengths of the chords before + its own), so
// time spent on screen updates between chords never accumulates as drift.
#include <chrono>
#include <cstdint>

namespace strumbly {

class PlaySchedule {
 public:
  using Clock = std::chrono::steady_clock;

  // Falling further behind than this (the machine was stalled) starts the
  // count anew from the moment the late chord really begins, rather than
  // rushing the following chords out at once to catch up.
  static constexpr std::chrono::milliseconds kMaxLag{100};

  explicit PlaySchedule(Clock::time_point start) : start_(start) {}

  // The planned start of the next chord.
  Clock::time_point NextStart() const { return start_ + std::chrono::milliseconds(elapsedMs_); }

  // Adds a chord of lengthMs (below 0 counts as 0) that begins now and gives
  // back the moment it ends.
  Clock::time_point Add(std::int32_t lengthMs, Clock::time_point now);

 private:
  Clock::time_point start_;
  std::int64_t elapsedMs_ = 0;
};

}  // namespace strumbly
