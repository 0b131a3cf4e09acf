#include "platform/midi/rate_converter.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "support/audio_analysis.h"

using namespace strumbly;

namespace {
std::vector<float> Tone(int frames, double hz, double amplitude) {
  std::vector<float> v(static_cast<std::size_t>(frames));
  for (int i = 0; i < frames; ++i)
    v[static_cast<std::size_t>(i)] =
        static_cast<float>(amplitude * std::sin(2 * std::numbers::pi * hz * i / RateConverter::kInRate));
  return v;
}
void Convert(const std::vector<float>& in, int chunk, std::vector<float>& out) {
  RateConverter c;
  std::vector<float> right;
  for (std::size_t at = 0; at < in.size(); at += static_cast<std::size_t>(chunk)) {
    const int n = static_cast<int>(std::min<std::size_t>(static_cast<std::size_t>(chunk), in.size() - at));
    c.Push(in.data() + at, in.data() + at, n, out, right);
  }
  c.Finish(out, right);
  ASSERT_EQ(out, right);
}
}  // namespace

// Time is kept to the frame: a click at input frame 4k comes out centred on
// output frame 3k, and the output is three quarters of the input long.
TEST(RateConverter, ClickLandsOnItsFrame) {
  for (int at : {0, 4000, 6400, 48 * 64}) {
    std::vector<float> in(8000, 0.0f);
    in[static_cast<std::size_t>(at)] = 1.0f;
    std::vector<float> out;
    Convert(in, 333, out);
    ASSERT_EQ(out.size(), 6000u);
    std::size_t loudest = 0;
    for (std::size_t i = 0; i < out.size(); ++i)
      if (std::fabs(out[i]) > std::fabs(out[loudest])) loudest = i;
    EXPECT_EQ(loudest, static_cast<std::size_t>(at * 3 / 4)) << at;
  }
}

// A tone in the pass band keeps its level and pitch whatever the chunks; a
// tone above the new Nyquist frequency is removed, not folded back.
TEST(RateConverter, PassesAudioAndStopsAliases) {
  const auto in = Tone(64000, 1000.0, 0.5);
  std::vector<float> a, b;
  Convert(in, 64000, a);
  Convert(in, 100, b);
  ASSERT_EQ(a.size(), 48000u);
  EXPECT_EQ(a, b);
  float peak = 0;
  for (std::size_t i = 1000; i < 47000; ++i) peak = std::max(peak, std::fabs(a[i]));
  EXPECT_NEAR(peak, 0.5f, 0.005f);
  EXPECT_GT(strumbly::test::ToneStrength(a, 48000, 1000.0, 1000, 40000),
            1000 * strumbly::test::ToneStrength(a, 48000, 1100.0, 1000, 40000));

  std::vector<float> high;
  Convert(Tone(64000, 30000.0, 0.5), 4096, high);
  float highPeak = 0;
  for (std::size_t i = 1000; i < 47000; ++i) highPeak = std::max(highPeak, std::fabs(high[i]));
  EXPECT_LT(highPeak, 0.005f);  // below -40 dB
}
