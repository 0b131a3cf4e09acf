#include "core/sound/chord_list.h"

#include <gtest/gtest.h>

using namespace strumbly;

namespace {
const std::vector<std::string> kSong = {
    "*Intro",                     // 0 comment
    "C, x, 3, 2, 0, 1, 0, Q",     // 1
    "",                           // 2 blank
    "G, 3, 2, 0, 0, 0, 3, .E",    // 3
    "Rest, x, x, x, x, x, x, H",  // 4
};
}  // namespace

TEST(ChordList, OneRecordPerLinePlusTheEndPosition) {
  ChordList list;
  const auto r = BuildChordList(kSong, list);
  EXPECT_TRUE(r.ok);
  EXPECT_EQ(r.badLine, -1);
  ASSERT_EQ(list.size(), kSong.size() + 1);
  EXPECT_EQ(list[0].Name, "*Intro");
  EXPECT_EQ(list[1].Name, "C");
  EXPECT_EQ(list[1].Pitches, (std::array<std::uint8_t, 6>{64, 60, 55, 52, 48, 255}));
  EXPECT_FALSE(IsChordEntry(list[2]));
  EXPECT_FALSE(IsChordEntry(list[5]));  // the blank record after the last line
  EXPECT_TRUE(IsChordEntry(list[4]));   // a rest is a chord that sounds nothing
}

TEST(ChordList, StopsAtTheFirstBadLine) {
  std::vector<std::string> lines = kSong;
  lines[3] = "G, 3, 2, 0, 0, 0, Q";
  lines[4] = "also bad";
  ChordList list;
  const auto r = BuildChordList(lines, list);
  EXPECT_FALSE(r.ok);
  EXPECT_EQ(r.badLine, 3);
  EXPECT_EQ(r.error, "Line 4    Not enough commas.");
  EXPECT_EQ(list.size(), 3u);
}

TEST(ChordList, RebuildStartsFromScratch) {
  ChordList list;
  BuildChordList(kSong, list);
  BuildChordList(std::vector<std::string>{}, list);
  ASSERT_EQ(list.size(), 1u);  // just the end position
  EXPECT_FALSE(HasChordLine(list, 0, 0));
}

TEST(ChordList, DurationsOnlyForChordRecords) {
  ChordList list;
  BuildChordList(kSong, list);
  list[0].DurationMs = -5;
  ComputeDurations(list, 2000);
  EXPECT_EQ(list[0].DurationMs, -5);
  EXPECT_EQ(list[1].DurationMs, 500);
  EXPECT_EQ(list[3].DurationMs, 375);
  EXPECT_EQ(list[4].DurationMs, 1000);
  ComputeDurations(list, 384);  // MIDI ticks
  EXPECT_EQ(list[1].DurationMs, 96);
}

TEST(ChordList, HasChordLineLooksOnlyInsideTheRange) {
  ChordList list;
  BuildChordList(kSong, list);
  EXPECT_TRUE(HasChordLine(list, 0, 5));
  EXPECT_FALSE(HasChordLine(list, 0, 0));
  EXPECT_TRUE(HasChordLine(list, 0, 1));
  EXPECT_FALSE(HasChordLine(list, 5, 5));
  EXPECT_FALSE(HasChordLine(list, 3, 2));  // empty range
  EXPECT_TRUE(HasChordLine(list, -3, 1));
  EXPECT_TRUE(HasChordLine(list, 4, 100));
}

TEST(ChordList, LineSourceIsAskedForEachLineOnce) {
  int asked = 0;
  ChordList list;
  const auto r = BuildChordList(
      3,
      [&](int i) {
        ++asked;
        return i == 1 ? std::string("E, 0, 2, 2, 1, 0, 0, W") : std::string();
      },
      list);
  EXPECT_TRUE(r.ok);
  EXPECT_EQ(asked, 3);
  EXPECT_EQ(list.size(), 4u);
  EXPECT_EQ(list[1].Name, "E");
}
