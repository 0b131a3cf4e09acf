// The ASCII tablature text.
#include "core/tab/ascii_tab.h"

#include <gtest/gtest.h>

namespace strumbly {
namespace {

const std::string C = "C, x, 3, 2, 0, 1, 0, Q";
const std::string G = "G, 3, 2, 0, 0, 0, 3, Q";

std::vector<std::string> Lines(const std::vector<std::string>& song, const std::string& title = "T",
                               const std::string& sub = "") {
  ChordList list;
  EXPECT_TRUE(BuildChordList(song, list).ok);
  return AsciiTabLines(BuildTabLayout(list, song), "Standard Tuning - E A D G B E", title, sub);
}

// The six rows of the first row of bars.
std::vector<std::string> FirstRows(const std::vector<std::string>& song) {
  const auto lines = Lines(song);
  return std::vector<std::string>(lines.begin() + 6, lines.begin() + 12);
}

TEST(AsciiTab, WorkedExample) {
  const auto lines = Lines({C, G}, "Blues in A", "by me");
  const std::vector<std::string> expected{
      "",
      "Standard Tuning - E A D G B E",
      "",
      std::string(35, ' ') + "Blues in A",
      std::string(38, ' ') + "by me",
      "",
      "|---------0---------3--------|",
      "|---------1---------0--------|",
      "|---------0---------0--------|",
      "|---------2---------0--------|",
      "|---------3---------2--------|",
      "|-------------------3--------|",
      "",
      "",
      "",
  };
  EXPECT_EQ(lines, expected);
}

TEST(AsciiTab, HyphensByChordsInBar) {
  // chords -> hyphens between cells and characters the bar adds
  const int dashes[] = {0, 12, 8, 6, 5, 4, 3, 3, 2, 2, 2, 2, 1, 1, 1, 1, 1, 1};
  const int added[] = {0, 27, 29, 31, 34, 35, 34, 39, 35, 39, 43, 47, 38, 41, 44, 47, 50, 50};
  for (int c = 1; c <= 17; ++c) {
    const auto rows = FirstRows(std::vector<std::string>(static_cast<std::size_t>(c), "E, 0, 2, 2, 1, 0, 0, Q"));
    SCOPED_TRACE(c);
    EXPECT_EQ(rows[0].size(), static_cast<std::size_t>(1 + added[c]));
    EXPECT_EQ(rows[0].substr(0, 1 + static_cast<std::size_t>(dashes[c]) + 2),
              "|" + std::string(static_cast<std::size_t>(dashes[c]), '-') + "-0");
  }
}

TEST(AsciiTab, CellsAreTwoCharacters) {
  // Frets of 10 and more take both characters; a rest is a column of "--".
  const auto rows = FirstRows({"Hi, 12, 14, x, x, 5, 10, Q", "Rest, x, x, x, x, x, x, Q"});
  auto row = [](const std::string& cell) {
    const std::string h(8, '-');
    return "|" + h + cell + h + "--" + h + "|";
  };
  EXPECT_EQ(rows[0], row("10"));
  EXPECT_EQ(rows[1], row("-5"));
  EXPECT_EQ(rows[2], row("--"));
  EXPECT_EQ(rows[4], row("14"));
  EXPECT_EQ(rows[5], row("12"));
}

TEST(AsciiTab, BarsOfARowShareItsLinesAndAnOddLastBarStandsAlone) {
  const auto lines = Lines({C, "", G, "", "E, 0, 2, 2, 1, 0, 0, Q"});
  ASSERT_EQ(lines.size(), 6u + 8 + 8 + 1);
  // One chord: 12 hyphens on each side of its two-character cell.
  auto cell = [](const std::string& c) { return std::string(12, '-') + c + std::string(12, '-') + "|"; };
  EXPECT_EQ(lines[6], "|" + cell("-0") + cell("-3"));
  EXPECT_EQ(lines[11], "|" + cell("--") + cell("-3"));
  EXPECT_EQ(lines[12], "");
  EXPECT_EQ(lines[13], "");
  EXPECT_EQ(lines[14], "|" + cell("-0"));
  EXPECT_EQ(lines[19], "|" + cell("-0"));
  EXPECT_EQ(lines[20], "");
  EXPECT_EQ(lines[21], "");
  EXPECT_EQ(lines[22], "");
}

TEST(AsciiTab, OverfullBarShowsItsFirstSixteenChords) {
  std::vector<std::string> song(16, "E, 0, 2, 2, 1, 0, 0, Q");
  song.push_back("X, 0, 9, 9, 9, 9, 9, Q");
  const auto rows = FirstRows(song);
  std::string expected = "|-";
  for (int i = 0; i < 16; ++i) expected += "-0-";
  EXPECT_EQ(rows[1], expected + "|");
  EXPECT_EQ(rows[1].find('9'), std::string::npos);
}

TEST(AsciiTab, HeaderCentring) {
  EXPECT_EQ(CentredTabLine(""), std::string(40, ' '));
  EXPECT_EQ(CentredTabLine("abc"), std::string(39, ' ') + "abc");
  EXPECT_EQ(CentredTabLine(std::string(80, 'x')), std::string(80, 'x'));
  EXPECT_EQ(CentredTabLine(std::string(90, 'x')), std::string(90, 'x'));
  // Letters beyond ASCII count once.
  EXPECT_EQ(CentredTabLine("Ünïcödé"), std::string(37, ' ') + "Ünïcödé");
}

TEST(AsciiTab, FileLinesEndWithCrLf) { EXPECT_EQ(AsciiTabFileText({"", "a", ""}), "\r\na\r\n\r\n"); }

TEST(AsciiTab, NamesOptionAddsChordAndStringNames) {
  const std::vector<std::string> song{C, C, "Cmaj7add9sus4, x, 3, 2, 0, 0, 0, Q", "", "Rest, x, x, x, x, x, x, Q", G};
  ChordList list;
  ASSERT_TRUE(BuildChordList(song, list).ok);
  const TabLayout layout = BuildTabLayout(list, song);
  const auto plain = AsciiTabLines(layout, "t", "T", "");
  // Off, the format is the plain one.
  EXPECT_EQ(AsciiTabLines(layout, "t", "T", "", AsciiTabOptions{}), plain);
  const auto named = AsciiTabLines(layout, "t", "T", "", AsciiTabOptions{true, 355555});
  ASSERT_EQ(named.size(), plain.size() + 1);
  const std::vector<std::string> rows(named.begin() + 6, named.begin() + 13);
  // Three chords: 6 hyphens between cells; a name starts at its cell and
  // may fill it and the hyphens after it but one. The repeated C and the
  // rest get none. String 6 of dropped D is a D.
  const std::vector<std::string> expected{
      "        C               Cmaj7ad                    G",
      "e|-------0-------0-------0------|-------------------3--------|",
      "B|-------1-------1-------0------|-------------------0--------|",
      "G|-------0-------0-------0------|-------------------0--------|",
      "D|-------2-------2-------2------|-------------------0--------|",
      "A|-------3-------3-------3------|-------------------2--------|",
      "D|------------------------------|-------------------3--------|",
  };
  EXPECT_EQ(rows, expected);
  for (std::size_t k = 1; k < 7; ++k) EXPECT_EQ(rows[k].substr(1), plain[5 + k]) << k;
}

}  // namespace
}  // namespace strumbly
