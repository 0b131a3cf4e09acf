#include <gtest/gtest.h>

#include "core/app/command_line.h"
#include "core/app/song_file.h"

using namespace strumbly;

TEST(SongText, LineBreaksOfEveryKind) {
  EXPECT_EQ(SplitLines("a\r\nb\nc\rd"), (std::vector<std::string>{"a", "b", "c", "d"}));
  EXPECT_EQ(SplitLines("a\r\n"), (std::vector<std::string>{"a"}));
  EXPECT_EQ(SplitLines("a\r\n\r\n"), (std::vector<std::string>{"a", ""}));
  EXPECT_EQ(SplitLines("\r\r\n\n"), (std::vector<std::string>{"", "", ""}));
  EXPECT_TRUE(SplitLines("").empty());
}

TEST(SongText, InfoLinesAreRemovedOnlyWhenAllFourArePresent) {
  auto song =
      ReadSongText("*Info 1: Strumbly\r\n*Info 2:26\r\n*Info 3:355433\r\n*Info 4: 96 \r\nC, x, 3, 2, 0, 1, 0, Q\r\n");
  EXPECT_TRUE(song.allFourInfo);
  EXPECT_EQ(song.lines, (std::vector<std::string>{"C, x, 3, 2, 0, 1, 0, Q"}));
  EXPECT_EQ(song.patch, 26);
  EXPECT_EQ(song.tuning, 355433);
  EXPECT_EQ(song.tempo, 96);

  song = ReadSongText("*Info 1:\n*Info 3:355555\n*Info 4:700\nA,0,0,0,0,0,0,Q");
  EXPECT_FALSE(song.allFourInfo);
  EXPECT_EQ(song.lines.size(), 4u);
  EXPECT_EQ(song.patch, std::nullopt);
  EXPECT_EQ(song.tuning, std::nullopt);  // line 3 holds "*Info 4:"
  EXPECT_EQ(song.tempo, std::nullopt);

  song = ReadSongText("*Info 1:\n*Info 2:abc\n*Info 3:\n*Info 4:2147483647\n");
  EXPECT_TRUE(song.allFourInfo);
  EXPECT_TRUE(song.lines.empty());
  EXPECT_EQ(song.patch, 25);
  EXPECT_EQ(song.tuning, 555555);
  EXPECT_EQ(song.tempo, 120);
  EXPECT_EQ(InfoValue("*Info 4:      1234567890123456789012"), std::nullopt);  // only 20 characters are read
  EXPECT_EQ(InfoValue("*info 4:1"), 1);  // the value ignores the prefix; callers compare it exactly
  EXPECT_FALSE(HasInfoPrefix("*info 4:1", 3));
}

TEST(SongText, WrittenFileReadsBack) {
  const std::vector<std::string> lines = {"* Title: Test", "", "C, x, 3, 2, 0, 1, 0, Q"};
  const std::string file = FormatSongFile(lines, 26, 355433, 96);
  EXPECT_EQ(file.substr(0, 48), "*Info 1: Strumbly Version 1.0 File Information\r\n");
  const auto song = ReadSongText(file);
  EXPECT_EQ(song.lines, lines);
  EXPECT_EQ(song.patch, 26);
  EXPECT_EQ(song.tuning, 355433);
  EXPECT_EQ(song.tempo, 96);
}

TEST(SongText, EachLineIsReadAsUtf8OrElseAsLatin1) {
  const struct {
    const char* bytes;
    const char* text;
  } cases[] = {
      {"* caf\xE9", "* caf\xC3\xA9"},                                              // Latin-1 throughout
      {"* caf\xC3\xA9\r\n* 5 \xE2\x82\xAC", "* caf\xC3\xA9\r\n* 5 \xE2\x82\xAC"},  // UTF-8 throughout
      // One stray byte spoils only its own line, whatever the line breaks.
      {"* 5 \xE2\x82\xAC\r\n* caf\xE9\r\n", "* 5 \xE2\x82\xAC\r\n* caf\xC3\xA9\r\n"},
      {"* caf\xE9\n\n* \xE2\x82\xAC\r", "* caf\xC3\xA9\n\n* \xE2\x82\xAC\r"},
      {"\xE2\x82\rx\xE9", "\xC3\xA2\xC2\x82\rx\xC3\xA9"},  // a sequence cut by a break is no character
      {"", ""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(DecodeSongText(c.bytes), c.text) << c.bytes;
    EXPECT_TRUE(IsValidUtf8(DecodeSongText(c.bytes)));
  }
  const SongText song = ReadSongText(
      "C, x, 3, 2, 0, 1, 0, Q\r\n* \xE2\x82\xAC 5\r\n* \xA3"
      "5\r\n");
  EXPECT_EQ(song.lines, (std::vector<std::string>{"C, x, 3, 2, 0, 1, 0, Q", "* \xE2\x82\xAC 5",
                                                  "* \xC2\xA3"
                                                  "5"}));
  EXPECT_FALSE(IsValidUtf8("\xC0\x80"));         // overlong
  EXPECT_FALSE(IsValidUtf8("\xED\xA0\x80"));     // surrogate
  EXPECT_TRUE(IsValidUtf8("\xF0\x9F\x8E\xB8"));  // a guitar
}

TEST(CommandLine, FirstFiveArgumentsAreJoined) {
  EXPECT_EQ(JoinSongArguments({}), "");
  EXPECT_EQ(JoinSongArguments({"/music/my", "blues", "song.sly"}), "/music/my blues song.sly");
  EXPECT_EQ(JoinSongArguments({" a", "", "b "}), "a  b");
  EXPECT_EQ(JoinSongArguments({"1", "2", "3", "4", "5", "6"}), "1 2 3 4 5");
}
