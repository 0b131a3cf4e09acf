#include "core/sound/play_schedule.h"

#include <gtest/gtest.h>

using namespace strumbly;
using namespace std::chrono_literals;

TEST(PlaySchedule, EachEndCountsFromTheStart) {
  const auto t0 = PlaySchedule::Clock::time_point{} + 1000s;
  PlaySchedule s(t0);
  EXPECT_EQ(s.NextStart(), t0);
  // The chords begin a little late each time (screen updates); the ends do
  // not move with them.
  EXPECT_EQ(s.Add(500, t0 + 3ms), t0 + 500ms);
  EXPECT_EQ(s.Add(375, t0 + 504ms), t0 + 875ms);
  EXPECT_EQ(s.Add(7, t0 + 880ms), t0 + 882ms);
  // 2000 sixteenths at 500 bpm end exactly 60 s after the start.
  PlaySchedule many(t0);
  PlaySchedule::Clock::time_point end;
  for (int i = 0; i < 2000; ++i) end = many.Add(30, many.NextStart() + 2ms);
  EXPECT_EQ(end, t0 + 60s);
}

TEST(PlaySchedule, RestsAndBadLengths) {
  const auto t0 = PlaySchedule::Clock::time_point{} + 1000s;
  PlaySchedule s(t0);
  EXPECT_EQ(s.Add(0, t0), t0);
  EXPECT_EQ(s.Add(-40, t0), t0);
  EXPECT_EQ(s.Add(250, t0), t0 + 250ms);
}

TEST(PlaySchedule, AStallStartsTheCountAnew) {
  const auto t0 = PlaySchedule::Clock::time_point{} + 1000s;
  PlaySchedule s(t0);
  s.Add(100, t0);
  // Within the allowed lag the next chord is shortened to catch up...
  EXPECT_EQ(s.Add(100, t0 + 190ms), t0 + 200ms);
  // ...beyond it, the chord gets its full length from when it begins.
  EXPECT_EQ(s.Add(100, t0 + 2s), t0 + 2100ms);
  EXPECT_EQ(s.Add(100, t0 + 2101ms), t0 + 2200ms);
}
