#include "platform/midi/sample_clock.h"

#include <gtest/gtest.h>

using namespace strumbly;
using namespace std::chrono_literals;

namespace {
constexpr int kRate = 48000;
SampleClock::Clock::time_point T0() { return SampleClock::Clock::time_point{} + 1000s; }
}  // namespace

TEST(SampleClock, FirstReportFixesTheMapping) {
  SampleClock clock(kRate);
  EXPECT_EQ(clock.FrameAt(T0()), -1);
  clock.Report(1000, T0());
  EXPECT_EQ(clock.FrameAt(T0()), 1000);
  EXPECT_EQ(clock.FrameAt(T0() + 1s), 1000 + kRate);
  EXPECT_EQ(clock.FrameAt(T0() + 500ms), 1000 + kRate / 2);
  EXPECT_EQ(clock.TimeOf(1000 + kRate), T0() + 1s);
}

// The audio thread wakes up a few milliseconds late now and then: the
// mapping hardly moves.
TEST(SampleClock, WakeUpJitterDoesNotMoveNotes) {
  SampleClock clock(kRate);
  clock.Report(0, T0());
  for (int period = 1; period <= 200; ++period) {
    const auto jitter = (period % 7 == 0) ? 4ms : 0ms;
    clock.Report(period * 256, T0() + std::chrono::microseconds(period * 256 * 1000000LL / kRate) + jitter);
  }
  const auto t = T0() + 10s;
  EXPECT_NEAR(static_cast<double>(clock.FrameAt(t)), 10.0 * kRate, 48.0 * 0.5);  // within 0.5 ms
}

// A sound card whose clock runs 0.1 % slow: the mapping follows it.
TEST(SampleClock, FollowsASlowDrift) {
  SampleClock clock(kRate);
  std::int64_t frame = 0;
  auto t = T0();
  for (int i = 0; i < 2000; ++i) {  // about 10 s of periods
    clock.Report(frame, t);
    frame += 256;
    t += std::chrono::nanoseconds(static_cast<std::int64_t>(256 * 1.001e9 / kRate));
  }
  // Frame `frame` renders at t by the card's clock.
  EXPECT_NEAR(static_cast<double>(clock.FrameAt(t)), static_cast<double>(frame), 48.0);
}

// A stall of the output (a suspended machine, a restarted sound server)
// starts the mapping anew rather than dragging it along.
TEST(SampleClock, AStallStartsAnew) {
  SampleClock clock(kRate);
  clock.Report(0, T0());
  clock.Report(256, T0() + 2s);
  EXPECT_EQ(clock.FrameAt(T0() + 2s), 256);
}
