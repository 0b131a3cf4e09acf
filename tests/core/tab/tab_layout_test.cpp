// Bars, positions and sizes of tablature entries.
#include "core/tab/tab_layout.h"

#include <gtest/gtest.h>

namespace strumbly {
namespace {

TabLayout Layout(const std::vector<std::string>& lines) {
  ChordList list;
  EXPECT_TRUE(BuildChordList(lines, list).ok);
  return BuildTabLayout(list, lines);
}

std::vector<std::int32_t> BarSizes(const TabLayout& l) {
  std::vector<std::int32_t> out;
  for (const auto& b : l.bars) out.push_back(b.BarSize);
  return out;
}

const std::string C = "C, x, 3, 2, 0, 1, 0, Q";
const std::string G = "G, 3, 2, 0, 0, 0, 3, Q";

TEST(TabLayout, EntriesCarryBarPositionAndSize) {
  const TabLayout l = Layout({C, "* comment", G, "", "", G, "* end"});
  // C, G, blank | blank | G, closing record; comments take no entry.
  ASSERT_EQ(l.TabEntries.size(), 6u);
  const std::vector<std::int32_t> bars{1, 1, 1, 2, 3, 3}, positions{1, 2, 3, 1, 1, 2}, sizes{3, 3, 3, 1, 2, 2};
  const std::vector<bool> ends{false, false, true, true, false, true};
  for (std::size_t i = 0; i < l.TabEntries.size(); ++i) {
    const TabEntry& e = l.TabEntries[i];
    EXPECT_EQ(e.BarNumber, bars[i]) << i;
    EXPECT_EQ(e.PositionInBar, positions[i]) << i;
    EXPECT_EQ(e.BarSize, sizes[i]) << i;
    EXPECT_EQ(e.IsBarEnd, ends[i]) << i;
  }
  EXPECT_EQ(l.TabEntries[1].Name, "G");
  EXPECT_EQ(l.TabEntries[1].Frets[5], 3);
  // The empty bar between the two blank lines is not shown.
  EXPECT_EQ(BarSizes(l), (std::vector<std::int32_t>{3, 2}));
  EXPECT_EQ(l.Rows(), 1);
}

TEST(TabLayout, TheEndOfTheTextClosesTheLastBar) {
  EXPECT_EQ(BarSizes(Layout({C, G})), (std::vector<std::int32_t>{3}));
  // A closing blank line changes nothing.
  const TabLayout closed = Layout({C, G, ""});
  EXPECT_EQ(BarSizes(closed), (std::vector<std::int32_t>{3}));
  EXPECT_EQ(BarSizes(Layout({"", "", C, "", "  ", "", G, "", "", ""})), (std::vector<std::int32_t>{2, 2}));
}

TEST(TabLayout, OverfullBarsAreFlagged) {
  std::vector<std::string> lines(16, C);
  EXPECT_FALSE(Layout(lines).anyTruncated);
  EXPECT_EQ(Layout(lines).bars[0].DrawnChords(), 16);
  lines.push_back(G);
  const TabLayout l = Layout(lines);
  EXPECT_TRUE(l.anyTruncated);
  EXPECT_EQ(l.bars[0].DrawnChords(), 16);
  EXPECT_EQ(l.bars[0].Columns(), 16);
}

TEST(TabLayout, RowsCountAHalfRow) {
  EXPECT_EQ(Layout({C, "", G, "", C}).Rows(), 2);
  EXPECT_EQ(Layout({C, "", G, "", C, "", G}).Rows(), 2);
}

TEST(TabLayout, SizesMatchARescanForEveryBar) {
  // A long song of uneven bars: every entry's size is its closing entry's position.
  std::vector<std::string> lines;
  for (int bar = 0; bar < 200; ++bar) {
    for (int c = 0; c < bar % 7; ++c) lines.push_back(c % 2 ? C : "* note");
    for (int b = 0; b <= bar % 3; ++b) lines.push_back("");
  }
  const TabLayout l = Layout(lines);
  for (const TabEntry& e : l.TabEntries) {
    std::int32_t size = 0;
    for (const TabEntry& f : l.TabEntries)
      if (f.BarNumber == e.BarNumber && f.IsBarEnd) size = f.PositionInBar;
    ASSERT_EQ(e.BarSize, size);
  }
}

TEST(TabLayout, ANameStandsWhereItChanges) {
  const std::string Rest = "Rest, x, x, x, x, x, x, Q";
  // C C | C G Rest G "Rest" G |: a bar's first column compares with the
  // last column before it, across the bar line and past comments; a rest,
  // and a chord named Rest, show no name, and the chord after one does.
  const TabLayout l = Layout({C, C, "", C, G, Rest, G, "* c", "rest, 3, x, x, x, x, x, Q", G});
  std::vector<bool> shown;
  for (std::size_t i = 0; i < l.TabEntries.size(); ++i) shown.push_back(ShowsChordName(l, i));
  EXPECT_EQ(shown, (std::vector<bool>{true, false, false, false, true, false, true, false, true, false}));
}

TEST(TabLayout, RhythmOfEachDurationCode) {
  using K = TabRhythm::Kind;
  const struct {
    const char* line;
    TabRhythm rhythm;
  } cases[] = {
      {"C, x, 3, 2, 0, 1, 0, W", {K::Whole, 0, false}},   {"C, x, 3, 2, 0, 1, 0, .w", {K::Whole, 0, true}},
      {"C, x, 3, 2, 0, 1, 0, H", {K::Half, 0, false}},    {"C, x, 3, 2, 0, 1, 0, q", {K::Stem, 0, false}},
      {"C, x, 3, 2, 0, 1, 0, .Q", {K::Stem, 0, true}},    {"C, x, 3, 2, 0, 1, 0, E", {K::Stem, 1, false}},
      {"C, x, 3, 2, 0, 1, 0, .S", {K::Stem, 2, true}},    {"C, x, 3, 2, 0, 1, 0, T", {K::Stem, 3, false}},
      {"C, x, 3, 2, 0, 1, 0, F", {K::Stem, 4, false}},    {"Rest, x, x, x, x, x, x, E", {K::Rest, 0, false}},
      {"Rest, x, x, x, x, x, x, .H", {K::Rest, 0, true}},
  };
  for (const auto& c : cases) {
    const TabLayout l = Layout({c.line});
    EXPECT_EQ(RhythmOf(l.TabEntries[0]), c.rhythm) << c.line;
  }
  // The closing entry of a bar has no rhythm.
  EXPECT_EQ(RhythmOf(Layout({C}).TabEntries[1]).kind, K::None);
}

}  // namespace
}  // namespace strumbly
