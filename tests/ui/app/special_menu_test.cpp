// The Special menu of the main window and naming the current chord.
#include <QAction>
#include <QLabel>
#include <QMenu>

#include "support/sound_window_fixture.h"
#include "support/test_files.h"

using namespace strumbly;
using strumbly::test::kCMajor;
using strumbly::test::SoundWindowTest;

TEST_F(SoundWindowTest, TheSpecialMenuHoldsTheOutputCommands) {
  TfrmMain& w = *window;
  EXPECT_TRUE(w.Special1->menuAction()->isVisible());
  const std::pair<const char*, const char*> items[] = {
      {"Tab1", "F4"}, {"ASCIItab1", "F5"}, {"SaveAsMidiFile1", "F6"}, {"AudioFile1", "Shift+F6"}, {"NameChord1", "F7"}};
  for (auto [name, key] : items) {
    QAction* a = w.action(name);
    ASSERT_NE(a, nullptr) << name;
    EXPECT_EQ(a->shortcut(), QKeySequence(key)) << name;
  }
  // The MIDI file is written where the dialog says, from the song as it stands.
  SetSong({kCMajor}, 120);
  dialogs->fileAnswers.push_back(dir.filePath("c.mid"));
  w.action("SaveAsMidiFile1")->trigger();
  EXPECT_EQ(test::ReadFileBytes(dir.filePath("c.mid")).size(), 87u);
  EXPECT_EQ(w.settings().LastDir, dir.path().toStdString());
}

TEST_F(SoundWindowTest, AudioFileChecksTheSongAsTheMidiFileDoes) {
  TfrmMain& w = *window;
  SetSong({"* only words"});
  w.action("AudioFile1")->trigger();
  EXPECT_EQ(dialogs->texts(), QStringList{"Can't create audio file. No chords defined in editor."});
  dialogs->messages.clear();
  SetSong({"C, x, 3"});
  w.action("AudioFile1")->trigger();
  ASSERT_EQ(dialogs->texts().size(), 2);
  EXPECT_EQ(dialogs->texts()[1], "Fix errors before creating an audio file.");
  EXPECT_TRUE(dialogs->fileDialogs.empty());
}

TEST_F(SoundWindowTest, NameChordNamesTheLineFromItsNotes) {
  TfrmMain& w = *window;
  SetSong({"Chord, x, 0, 2, 2, 1, 0, Q", kCMajor});
  w.action("NameChord1")->trigger();
  EXPECT_EQ(w.sheet().Line(0), "Am, x, 0, 2, 2, 1, 0, Q");
  EXPECT_EQ(w.lblChordName->text(), "Am");
  w.action("Undo1")->trigger();
  EXPECT_EQ(w.sheet().Line(0), "Chord, x, 0, 2, 2, 1, 0, Q");

  // Several names: the user picks from a menu, the likeliest first.
  dialogs->choices.clear();
  SetSong({"Chord, x, 0, 2, 0, 1, 0, Q"});  // A minor seventh, or C sixth over A
  dialogs->chooseAnswers.push_back(1);
  w.action("NameChord1")->trigger();
  ASSERT_EQ(dialogs->choices.size(), 1u);
  ASSERT_GE(dialogs->choices[0].size(), 2);
  EXPECT_EQ(dialogs->choices[0][0], "Am7");
  EXPECT_EQ(w.sheet().Line(0), dialogs->choices[0][1] + ", x, 0, 2, 0, 1, 0, Q");
  // Leaving the menu changes nothing; a comment line has no chord to name.
  dialogs->chooseAnswers.push_back(-1);
  SetSong({"Chord, x, 0, 2, 0, 1, 0, Q"});
  w.action("NameChord1")->trigger();
  EXPECT_EQ(w.sheet().Line(0), "Chord, x, 0, 2, 0, 1, 0, Q");
  SetSong({"* verse"});
  w.action("NameChord1")->trigger();
  EXPECT_EQ(w.sheet().Line(0), "* verse");
  EXPECT_EQ(dialogs->texts().last(), "The current line is not a chord definition.");
}
