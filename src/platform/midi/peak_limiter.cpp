#include "platform/midi/peak_limiter.h"

#include <algorithm>
#include <cmath>

namespace strumbly {

// Called when the block in the slots from pos_ on has been filled and the
// other, older block starts going out: the gain glides over that older
// block to what both blocks allow, so it is low enough when the new one
// follows, and never above what the older one allows.
void PeakLimiter::StartBlock() {
  const int filled = pos_ == 0 ? 1 : 0;  // the half just filled
  allowed_[static_cast<std::size_t>(filled)] = peak_ > ceiling_ ? ceiling_ / peak_ : 1.0f;
  peak_ = 0;
  const float target = std::min({allowed_[0], allowed_[1], gain_ + release_});
  step_ = (target - gain_) / kBlock;
}

void PeakLimiter::Process(float* left, float* right, int frames) {
  for (int i = 0; i < frames; ++i) {
    const auto at = static_cast<std::size_t>(pos_);
    // The slot holds the frame that came in two blocks ago.
    gain_ += step_;
    const float outL = left_[at] * gain_;
    const float outR = right_[at] * gain_;
    left_[at] = left[i];
    right_[at] = right[i];
    peak_ = std::max({peak_, std::fabs(left[i]), std::fabs(right[i])});
    left[i] = outL;
    right[i] = outR;
    pos_ = (pos_ + 1) % kDelayFrames;
    if (pos_ % kBlock == 0) StartBlock();
  }
}

}  // namespace strumbly
