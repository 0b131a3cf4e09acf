// The chord dictionary in the main window: a picked chord goes into the
// song and sounds; the list is loaded at start-up and written at exit.
#include <QComboBox>
#include <QFile>
#include <QLabel>

#include "support/sound_window_fixture.h"
#include "support/test_files.h"
#include "ui/chordsheet/dictionary_box.h"

using namespace strumbly;
using strumbly::test::kCMajor;
using strumbly::test::SoundWindowTest;

namespace {

class DictionaryWindowTest : public SoundWindowTest {
 protected:
  QString DictionaryPath() { return Q(window->settings().InstallDir) + "/CHORDS.DCT"; }
  // Picks the entry with the given text as the user does.
  void Pick(const QString& text) {
    QComboBox* box = window->cboDictionary;
    const int i = box->findText(text);
    ASSERT_GE(i, 0) << text.toStdString();
    box->setCurrentIndex(i);
    emit box->activated(i);
  }
};

}  // namespace

TEST_F(DictionaryWindowTest, APickedChordGoesBelowTheCaretSoundsAndIsOneUndo) {
  TfrmMain& w = *window;
  ASSERT_GT(w.cboDictionary->count(), 150);  // the shipped dictionary, on this first run
  SetSong({kCMajor, "G, 3, 2, 0, 0, 0, 3, Q"});
  Pick("Am, x, 0, 2, 2, 1, 0, Q");
  EXPECT_EQ(w.sheet().Lines(), QStringList({kCMajor, "Am, x, 0, 2, 2, 1, 0, Q", "G, 3, 2, 0, 0, 0, 3, Q"}));
  EXPECT_EQ(w.sheet().CurrentLine(), 1);
  EXPECT_EQ(w.lblChordName->text(), "Am");
  EXPECT_EQ(device.NoteOnKeys(), (std::vector<int>{64, 60, 57, 52, 45}));
  EXPECT_TRUE(w.song().Modified());
  w.action("Undo1")->trigger();
  EXPECT_EQ(w.sheet().Lines(), QStringList({kCMajor, "G, 3, 2, 0, 0, 0, 3, Q"}));

  // In an empty editor the chord becomes the first line.
  SetSong({});
  Pick("E, 0, 2, 2, 1, 0, 0, Q");
  EXPECT_EQ(w.sheet().Lines(), QStringList{"E, 0, 2, 2, 1, 0, 0, Q"});
  EXPECT_TRUE(dialogs->messages.empty());
}

TEST_F(DictionaryWindowTest, ABadEntryIsTakenOutAgainAndReported) {
  TfrmMain& w = *window;
  w.cboDictionary->addItem("Broken, 0, 0");
  SetSong({kCMajor});
  Pick("Broken, 0, 0");
  EXPECT_EQ(w.sheet().Lines(), QStringList{kCMajor});
  ASSERT_EQ(dialogs->messages.size(), 1u);
  EXPECT_EQ(dialogs->messages[0].text, "Error in dictionary chord: Not enough commas.");
  EXPECT_TRUE(device.messages.empty());
}

TEST_F(DictionaryWindowTest, TheListIsWrittenAtExitAndReadAtTheNextStart) {
  TfrmMain& w = *window;
  SetSong({"* my voicings", "Cadd9, x, 3, 2, 0, 3, 0, Q", "", "Dsus2, x, x, 0, 2, 3, 0, Q"});
  w.ReplaceDictionary();
  TfrmMain& again = Restart();
  EXPECT_EQ(again.dictionary().entries(),
            QStringList({"Cadd9, x, 3, 2, 0, 3, 0, Q", "", "Dsus2, x, x, 0, 2, 3, 0, Q"}));
  EXPECT_EQ(test::ReadFileBytes(DictionaryPath()), "Cadd9, x, 3, 2, 0, 3, 0, Q\r\n\r\nDsus2, x, x, 0, 2, 3, 0, Q\r\n");
}
