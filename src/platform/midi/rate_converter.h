#pragma once
// Converts stereo audio from 64 kHz to 48 kHz (three output frames for
// every four input frames) with a windowed-sinc low-pass, keeping time
// exact: input frame 4k lands on output frame 3k. The audio export renders
// at 64 kHz, where a millisecond is one 64-frame synthesis block, so every
// chord can start on its exact millisecond.
#include <cstdint>
#include <vector>

namespace strumbly {

class RateConverter {
 public:
  static constexpr int kInRate = 64000;
  static constexpr int kOutRate = 48000;

  RateConverter();

  // Takes input frames and appends the output frames they complete.
  void Push(const float* left, const float* right, int frames, std::vector<float>& outLeft,
            std::vector<float>& outRight);
  // Appends the output frames still owed for the input taken so far.
  void Finish(std::vector<float>& outLeft, std::vector<float>& outRight);

 private:
  void Produce(std::int64_t available, std::vector<float>& outLeft, std::vector<float>& outRight);

  static constexpr int kHalfTaps = 24;  // input frames on either side
  std::vector<float> kernel_[3];        // per phase of the output frame
  std::vector<float> left_, right_;     // input not yet needed any more is dropped
  std::int64_t dropped_ = 0;            // input frames before left_[0]
  std::int64_t taken_ = 0;              // input frames taken in all
  std::int64_t produced_ = 0;           // output frames given out
};

}  // namespace strumbly
