#include "platform/midi/peak_limiter.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <vector>

using namespace strumbly;

namespace {
std::vector<float> Sine(int frames, float amplitude, double period) {
  std::vector<float> v(static_cast<std::size_t>(frames));
  for (int i = 0; i < frames; ++i)
    v[static_cast<std::size_t>(i)] = amplitude * static_cast<float>(std::sin(2 * std::numbers::pi * i / period));
  return v;
}
float Peak(const std::vector<float>& v, std::size_t from = 0, std::size_t to = SIZE_MAX) {
  float p = 0;
  for (std::size_t i = from; i < std::min(to, v.size()); ++i) p = std::max(p, std::fabs(v[i]));
  return p;
}
}  // namespace

// Quiet audio passes unchanged, only delayed; chunk sizes do not matter.
TEST(PeakLimiter, QuietAudioIsOnlyDelayed) {
  PeakLimiter limiter;
  const auto in = Sine(5000, 0.5f, 97.3);
  auto left = in, right = in;
  int done = 0;
  for (int chunk : {1, 63, 64, 65, 1000, 3807}) {
    limiter.Process(left.data() + done, right.data() + done, chunk);
    done += chunk;
  }
  ASSERT_EQ(done, 5000);
  for (int i = 0; i < PeakLimiter::kDelayFrames; ++i) EXPECT_EQ(left[static_cast<std::size_t>(i)], 0.0f);
  for (std::size_t i = PeakLimiter::kDelayFrames; i < in.size(); ++i) {
    ASSERT_FLOAT_EQ(left[i], in[i - PeakLimiter::kDelayFrames]) << i;
    ASSERT_FLOAT_EQ(right[i], in[i - PeakLimiter::kDelayFrames]) << i;
  }
}

// A sudden loud burst, even one sample far above full scale, comes out
// below the ceiling, and the level comes back once it has passed.
TEST(PeakLimiter, LoudPartsStayBelowTheCeiling) {
  PeakLimiter limiter(0.85f);
  auto left = Sine(48000, 0.3f, 109.0);
  for (std::size_t i = 10000; i < 20000; ++i) left[i] *= 8;
  left[30001] = 5.0f;  // a lone spike
  auto right = Sine(48000, 0.3f, 111.0);
  right[20500] = -3.0f;
  limiter.Process(left.data(), right.data(), static_cast<int>(left.size()));
  EXPECT_LE(Peak(left), 0.85f + 1e-5f);
  EXPECT_LE(Peak(right), 0.85f + 1e-5f);
  // The loud part is still louder than the quiet part around it ...
  EXPECT_GT(Peak(left, 12000, 19000), 0.8f);
  // ... and well after it the quiet part is back to its level.
  EXPECT_NEAR(Peak(left, 45000), 0.3f, 0.01f);
}
