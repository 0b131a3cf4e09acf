#include "core/app/song_file.h"

#include <gtest/gtest.h>

#include "core/app/song_state.h"

using namespace strumbly;

TEST(SongFile, OnlyTheHeadOfTheFileHoldsInfoLines) {
  const std::vector<std::string> lines = {"*Info 2:7", "G, 3, 2, 0, 0, 0, 3, .E", "*Info 4:60"};
  const std::string file = FormatSongFile(lines, 33, 355433, 96);
  EXPECT_EQ(file.substr(file.size() - 37), "G, 3, 2, 0, 0, 0, 3, .E\r\n*Info 4:60\r\n");
  const SongText song = ReadSongText(file);
  EXPECT_EQ(song.lines, lines);
  EXPECT_EQ(song.patch, 33);
  EXPECT_EQ(song.tempo, 96);
}

TEST(SongFile, MissingSecondInfoLineKeepsAllFourLinesButAppliesTheOthers) {
  const SongText song =
      ReadSongText("*Info 1: x\r\n* no instrument\r\n*Info 3:355555\r\n*Info 4:80\r\nAm, x, 0, 2, 2, 1, 0, Q\r\n");
  EXPECT_FALSE(song.allFourInfo);
  EXPECT_EQ(song.lines.size(), 5u);
  EXPECT_FALSE(song.patch);
  EXPECT_EQ(song.tuning, 355555);
  EXPECT_EQ(song.tempo, 80);
}

TEST(SongFile, TempoAndInstrumentAsTheWindowHoldsThem) {
  EXPECT_EQ(TempoFromInfo(700), 500);
  EXPECT_EQ(TempoFromInfo(0), 1);
  EXPECT_EQ(TempoFromInfo(-5), 1);
  EXPECT_EQ(TempoFromInfo(96), 96);
  EXPECT_EQ(PatchFromInfo(300), 44);  // low 8 bits
  EXPECT_EQ(PatchFromInfo(-1), 255);
}

TEST(SongFile, BinaryBytesReadWithoutHarm) {
  std::string bytes;
  for (int i = 0; i < 256; ++i) bytes += static_cast<char>(i);
  bytes += std::string(1000, '\0');
  const SongText song = ReadSongText(bytes);
  EXPECT_FALSE(song.allFourInfo);
  ASSERT_EQ(song.lines.size(), 3u);                               // split at LF and CR
  EXPECT_EQ(song.lines[2].size(), (128u - 14) + 128 * 2 + 1000);  // bytes from 0x80 up became two
}
