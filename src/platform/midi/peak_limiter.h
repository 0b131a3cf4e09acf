#pragma once
// Keeps stereo audio below a ceiling without clipping it: the signal is
// delayed by two blocks, and the gain glides down before a block that would
// pass the ceiling arrives, then recovers slowly. Dense strums on loud
// instruments are turned down smoothly instead of being cut off at full
// scale; audio below the ceiling passes unchanged, only delayed.
#include <array>
#include <cstdint>

namespace strumbly {

class PeakLimiter {
 public:
  static constexpr int kBlock = 64;
  static constexpr int kDelayFrames = 2 * kBlock;

  // ceiling: the highest absolute sample that may come out; release: how
  // much the gain may rise per block once the loud part has passed.
  explicit PeakLimiter(float ceiling = 0.85f, float release = 0.005f) : ceiling_(ceiling), release_(release) {}

  // Processes frames in place; works for any count.
  void Process(float* left, float* right, int frames);

  float Gain() const { return gain_; }

 private:
  void StartBlock();

  float ceiling_;
  float release_;
  std::array<float, kDelayFrames> left_{}, right_{};
  std::array<float, 2> allowed_{1.0f, 1.0f};  // the gain each stored block allows
  int pos_ = 0;                               // next slot, 0..kDelayFrames-1
  float peak_ = 0;                            // of the block being filled
  float gain_ = 1.0f;                         // at the start of the block going out
  float step_ = 0;                            // gain change per frame over that block
};

}  // namespace strumbly
