#include "core/app/song_file.h"

#include <gtest/gtest.h>

#include "core/app/song_state.h"

using namespace strumbly;

namespace {
std::string Crlf(std::initializer_list<const char*> lines) {
  std::string out;
  for (const char* l : lines) out += std::string(l) + "\r\n";
  return out;
}
}  // namespace

TEST(SongFile, WrittenSongReadsBackWithItsState) {
  const std::vector<std::string> lines = {"* Title: Blues", "C, x, 3, 2, 0, 1, 0, Q", "", "*Info 2:7",
                                          "G, 3, 2, 0, 0, 0, 3, .E"};
  const std::string file = FormatSongFile(lines, 33, 355433, 96);
  EXPECT_EQ(file.substr(0, 88),
            "*Info 1: Strumbly Version 1.0 File Information\r\n*Info 2:33\r\n*Info 3:355433\r\n*Info 4:96\r\n");
  const SongText song = ReadSongText(file);
  EXPECT_TRUE(song.allFourInfo);
  EXPECT_EQ(song.lines, lines);  // an info-like line further down is an ordinary line
  EXPECT_EQ(song.patch, 33);
  EXPECT_EQ(song.tuning, 355433);
  EXPECT_EQ(song.tempo, 96);
}

TEST(SongFile, FileWithoutInfoLinesKeepsEveryLine) {
  const SongText song = ReadSongText("Am, x, 0, 2, 2, 1, 0, Q\nC, x, 3, 2, 0, 1, 0, H\n");
  EXPECT_FALSE(song.allFourInfo);
  EXPECT_EQ(song.lines.size(), 2u);
  EXPECT_FALSE(song.patch || song.tuning || song.tempo);
}

TEST(SongFile, MissingSecondInfoLineKeepsAllFourLinesButAppliesTheOthers) {
  const SongText song = ReadSongText(Crlf({"*Info 1: x", "* no instrument", "*Info 3:355555", "*Info 4:80", "Am, x, 0, 2, 2, 1, 0, Q"}));
  EXPECT_FALSE(song.allFourInfo);
  EXPECT_EQ(song.lines.size(), 5u);
  EXPECT_FALSE(song.patch);
  EXPECT_EQ(song.tuning, 355555);
  EXPECT_EQ(song.tempo, 80);
}

TEST(SongFile, InfoValuesAreTrimmedAndNonNumbersGiveDefaults) {
  auto read = [](const char* tempoLine) {
    return ReadSongText(Crlf({"*Info 1:", "*Info 2:abc", "*Info 3:", tempoLine}));
  };
  EXPECT_EQ(read("*Info 4: 96 ").tempo, 96);
  EXPECT_EQ(read("*Info 4:2147483647").tempo, 120);  // the not-a-number mark
  EXPECT_EQ(read("*Info 4:fast").tempo, 120);
  const SongText song = read("*Info 4:60");
  EXPECT_EQ(song.patch, 25);
  EXPECT_EQ(song.tuning, 555555);
  // Only characters 9 to 28 count: a number pushed past them is not read.
  EXPECT_EQ(read("*Info 4:                    77").tempo, 120);
  // The prefixes are compared exactly.
  EXPECT_FALSE(ReadSongText(Crlf({"*info 1:", "*Info 2:3", "*Info 3:555555", "*Info 4:60"})).allFourInfo);
}

TEST(SongFile, TempoAndInstrumentAsTheWindowHoldsThem) {
  EXPECT_EQ(TempoFromInfo(700), 500);
  EXPECT_EQ(TempoFromInfo(0), 1);
  EXPECT_EQ(TempoFromInfo(-5), 1);
  EXPECT_EQ(TempoFromInfo(96), 96);
  EXPECT_EQ(PatchFromInfo(300), 44);  // low 8 bits
  EXPECT_EQ(PatchFromInfo(-1), 255);
  EXPECT_EQ(InstrumentMenuIndex(24), 0);
  EXPECT_EQ(InstrumentMenuIndex(26), 2);  // JazzElectric1
  EXPECT_EQ(InstrumentMenuIndex(31), 7);
  EXPECT_EQ(InstrumentMenuIndex(0), 9);  // MIDIPatch1
  EXPECT_EQ(InstrumentMenuIndex(32), 9);
  EXPECT_EQ(InstrumentMenuIndex(23), 9);
}

TEST(SongFile, ReadsEveryLineEndingAndLatin1) {
  const SongText song = ReadSongText("a\r\nb\nc\rd");
  EXPECT_EQ(song.lines, (std::vector<std::string>{"a", "b", "c", "d"}));
  // A legacy single-byte comment: "* café" in Latin-1.
  const SongText legacy = ReadSongText(std::string("* caf\xE9\r\n"));
  EXPECT_EQ(legacy.lines.front(), "* caf\xC3\xA9");
  // Valid UTF-8 is kept as it is.
  EXPECT_EQ(ReadSongText("* caf\xC3\xA9\n").lines.front(), "* caf\xC3\xA9");
}

TEST(SongFile, BinaryBytesReadWithoutHarm) {
  std::string bytes;
  for (int i = 0; i < 256; ++i) bytes += static_cast<char>(i);
  bytes += std::string(1000, '\0');
  const SongText song = ReadSongText(bytes);
  EXPECT_FALSE(song.allFourInfo);
  EXPECT_GE(song.lines.size(), 3u);  // LF and CR split the bytes
}
