// File / Export and File / Import: the song out as ChordPro and MusicXML,
// and a chord sheet in as a new song.
#include <QAction>
#include <QLabel>
#include <QSlider>

#include "support/sound_window_fixture.h"
#include "support/test_files.h"

using namespace strumbly;
using strumbly::test::kCMajor;
using strumbly::test::SoundWindowTest;

TEST_F(SoundWindowTest, ExportWritesTheSongAndImportReadsItBackAsANewSong) {
  TfrmMain& w = *window;
  SetSong({"* Title: Moon", kCMajor, "Bm, x, 2, 4, 4, 3, 2, H"}, 90);
  dialogs->fileAnswers.push_back(dir.filePath("moon.cho"));
  w.action("ExportChordPro1")->trigger();
  ASSERT_FALSE(dialogs->fileDialogs.empty());
  EXPECT_EQ(dialogs->fileDialogs.back().fileName, "Untitled.cho");
  const std::string sheet = test::ReadFileBytes(dir.filePath("moon.cho"));
  EXPECT_NE(sheet.find("{title: Moon}\n{tempo: 90}\n"), std::string::npos) << sheet;
  EXPECT_NE(sheet.find("| C Bm . |"), std::string::npos) << sheet;

  dialogs->fileAnswers.push_back(dir.filePath("moon.musicxml"));
  w.action("ExportMusicXml1")->trigger();
  EXPECT_NE(test::ReadFileBytes(dir.filePath("moon.musicxml")).find("<work-title>Moon</work-title>"),
            std::string::npos);

  // The import asks to save the changed song first, then replaces it.
  dialogs->messageAnswers.push_back(MessageResult::No);
  dialogs->fileAnswers.push_back(dir.filePath("moon.cho"));
  w.trackbarTempo->setValue(200);
  w.action("ImportChordPro1")->trigger();
  EXPECT_EQ(w.sheet().Lines(), (QStringList{"* Title: Moon", kCMajor, "Bm, x, 2, 4, 4, 3, 2, H"}));
  EXPECT_EQ(w.trackbarTempo->value(), 90);
  EXPECT_TRUE(w.song().IsUntitled());
  EXPECT_TRUE(w.song().Modified());
}

TEST_F(SoundWindowTest, ExportRefusesABadSongAndImportNamesChordsWithoutFingering) {
  TfrmMain& w = *window;
  SetSong({"* only words"});
  w.action("ExportChordPro1")->trigger();
  EXPECT_EQ(dialogs->texts(), QStringList{"Can't export ChordPro. No chords defined in editor."});
  EXPECT_TRUE(dialogs->fileDialogs.empty());

  w.song().SetModified(false);
  dialogs->messages.clear();
  test::WriteFileBytes(dir.filePath("odd.cho"), "[Qx]la [C]la\n");
  dialogs->fileAnswers.push_back(dir.filePath("odd.cho"));
  w.action("ImportChordPro1")->trigger();
  EXPECT_EQ(dialogs->texts(), QStringList{"No fingering was found for these chords: Qx."});
  EXPECT_EQ(w.sheet().Line(1), "* [Qx] has no fingering");
  EXPECT_EQ(w.sheet().Line(2).left(3), "C, ");
}
