#include "core/sound/timing.h"

#include <gtest/gtest.h>

#include "core/chordsheet/chord_line.h"

using namespace strumbly;

TEST(Timing, WholeNoteTruncatesBothDivisions) {
  EXPECT_EQ(WholeNoteMs(120), 2000);
  EXPECT_EQ(WholeNoteMs(100), 2400);
  EXPECT_EQ(WholeNoteMs(7), 34284);  // 8571428 div 1000 = 8571, times 4
  EXPECT_EQ(WholeNoteMs(500), 480);
  EXPECT_EQ(WholeNoteMs(1), 240000);
}

TEST(Timing, TempoBelowOneCountsAsOne) {
  EXPECT_EQ(WholeNoteMs(0), 240000);
  EXPECT_EQ(WholeNoteMs(-20), 240000);
}

TEST(Timing, ChordLengthsFromCodeAndTempo) {
  EXPECT_EQ(DurationValue("Q", WholeNoteMs(120)), 500);
  EXPECT_EQ(DurationValue(".E", WholeNoteMs(120)), 375);
  EXPECT_EQ(DurationValue("F", WholeNoteMs(500)), 7);
  EXPECT_EQ(DurationValue("S", WholeNoteMs(500)), 30);
}
