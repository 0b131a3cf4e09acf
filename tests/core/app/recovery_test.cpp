#include "core/app/recovery.h"

#include <gtest/gtest.h>

using namespace strumbly;

TEST(Recovery, ASongComesBackWithItsNameAndState) {
  RecoveredSong song;
  song.fileName = "/home/u/My Songs/blues, in A.sly";
  song.patch = 30;
  song.tuning = 133565;
  song.tempo = 96;
  song.duration = " E.";
  song.currentLine = 2;
  song.lines = {"* Title: Blues", "", "A7, x, 0, 2, 0, 2, 0, Q", "Lines=4", "Strumbly recovery 1", "odd\rline", ""};
  EXPECT_EQ(ParseRecovery(FormatRecovery(song)), song);

  const RecoveredSong untitled;  // a new song with no lines
  EXPECT_EQ(ParseRecovery(FormatRecovery(untitled)), untitled);
  song.fileName = "/tmp/new\nline\\name.sly";
  EXPECT_EQ(ParseRecovery(FormatRecovery(song))->fileName, song.fileName);
}

TEST(Recovery, DamagedTextGivesWhatItHolds) {
  EXPECT_EQ(ParseRecovery(""), std::nullopt);
  EXPECT_EQ(ParseRecovery("*Info 1: Strumbly Version 1.0 File Information\nC, x, 3, 2, 0, 1, 0, Q\n"), std::nullopt);
  const auto song = ParseRecovery("Strumbly recovery 1\nPatch=abc\nTempo=77\nLines=5\nC, x, 3, 2, 0, 1, 0, Q\n");
  ASSERT_TRUE(song);
  EXPECT_EQ(song->patch, 25);
  EXPECT_EQ(song->tempo, 77);
  EXPECT_EQ(song->fileName, "Untitled.sly");
  EXPECT_EQ(song->lines, std::vector<std::string>{"C, x, 3, 2, 0, 1, 0, Q"});
}

TEST(Recovery, TheQuestionNamesTheSongWithoutItsFolder) {
  EXPECT_EQ(RecoverQuestion("/home/u/songs/blues.sly"),
            "Strumbly closed without saving the changes to blues.sly. Recover them?");
  EXPECT_EQ(RecoverQuestion("Untitled.sly"),
            "Strumbly closed without saving the changes to Untitled.sly. Recover them?");
  EXPECT_STREQ(kRecoverCaption, "Recover Song");
}
