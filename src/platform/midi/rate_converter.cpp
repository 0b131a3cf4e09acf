#include "platform/midi/rate_converter.h"

#include <cmath>
#include <numbers>

namespace strumbly {

namespace {

// The pass band ends a little below the output's Nyquist frequency.
constexpr double kCutoff = 0.92 * RateConverter::kOutRate / 2 / RateConverter::kInRate;  // of the input rate

double Sinc(double x) { return x == 0 ? 1.0 : std::sin(std::numbers::pi * x) / (std::numbers::pi * x); }

}  // namespace

RateConverter::RateConverter() {
  // Output frame n lies at input time 4n/3 = base + phase/3; the kernel of
  // a phase holds the weights of input frames base - kHalfTaps + 1 ..
  // base + kHalfTaps.
  for (int phase = 0; phase < 3; ++phase) {
    auto& k = kernel_[phase];
    double sum = 0;
    for (int j = -kHalfTaps + 1; j <= kHalfTaps; ++j) {
      const double d = static_cast<double>(phase) / 3.0 - j;  // distance from the input frame
      const double window = 0.42 + 0.5 * std::cos(std::numbers::pi * d / kHalfTaps) +
                            0.08 * std::cos(2 * std::numbers::pi * d / kHalfTaps);  // Blackman
      const double w = std::fabs(d) >= kHalfTaps ? 0.0 : 2 * kCutoff * Sinc(2 * kCutoff * d) * window;
      k.push_back(static_cast<float>(w));
      sum += w;
    }
    for (float& w : k) w = static_cast<float>(w / sum);  // unity gain at 0 Hz
  }
}

void RateConverter::Produce(std::int64_t available, std::vector<float>& outLeft, std::vector<float>& outRight) {
  while (true) {
    const std::int64_t base = produced_ * 4 / 3;
    if (base + kHalfTaps >= available) break;
    const float* k = kernel_[(produced_ * 4) % 3].data();
    const std::int64_t first = base - kHalfTaps + 1;
    float l = 0, r = 0;
    if (first >= dropped_ && first + 2 * kHalfTaps <= taken_) {
      const float* x = left_.data() + (first - dropped_);
      const float* y = right_.data() + (first - dropped_);
      for (int j = 0; j < 2 * kHalfTaps; ++j) {
        l += k[j] * x[j];
        r += k[j] * y[j];
      }
    } else {
      for (int j = 0; j < 2 * kHalfTaps; ++j) {
        const std::int64_t i = first + j;
        if (i < 0 || i >= taken_) continue;  // before the start or past the end: silence
        const auto at = static_cast<std::size_t>(i - dropped_);
        l += k[j] * left_[at];
        r += k[j] * right_[at];
      }
    }
    outLeft.push_back(l);
    outRight.push_back(r);
    ++produced_;
  }
  // Keep only what later output frames still reach back to.
  const std::int64_t keepFrom = produced_ * 4 / 3 - kHalfTaps;
  if (keepFrom - dropped_ > 65536) {
    const auto n = static_cast<std::ptrdiff_t>(keepFrom - dropped_);
    left_.erase(left_.begin(), left_.begin() + n);
    right_.erase(right_.begin(), right_.begin() + n);
    dropped_ = keepFrom;
  }
}

void RateConverter::Push(const float* left, const float* right, int frames, std::vector<float>& outLeft,
                         std::vector<float>& outRight) {
  left_.insert(left_.end(), left, left + frames);
  right_.insert(right_.end(), right, right + frames);
  taken_ += frames;
  Produce(taken_, outLeft, outRight);
}

void RateConverter::Finish(std::vector<float>& outLeft, std::vector<float>& outRight) {
  // The output covers the input's length: ceil(taken * 3 / 4) frames.
  const std::int64_t owed = (taken_ * 3 + 3) / 4;
  while (produced_ < owed) {
    const std::int64_t before = produced_;
    Produce(taken_ + 4 * kHalfTaps, outLeft, outRight);
    if (produced_ == before) break;
  }
  while (static_cast<std::int64_t>(outLeft.size()) > 0 && produced_ > owed) {
    outLeft.pop_back();
    outRight.pop_back();
    --produced_;
  }
}

}  // namespace strumbly
