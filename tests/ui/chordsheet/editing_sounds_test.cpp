#include <QPushButton>
#include <QTest>

#include "support/sound_window_fixture.h"
#include "ui/guitar/neck_marker.h"

using namespace strumbly;
using strumbly::test::kCMajor;
using strumbly::test::SoundWindowTest;

namespace {

class EditingSoundTest : public SoundWindowTest {
 protected:
  void Click(int string, int fret, Qt::MouseButton button) { QTest::mouseClick(Marker(string, fret), button); }
  std::vector<int> Programs() const {
    std::vector<int> out;
    for (const auto& m : device.OfKind(0xC0)) out.push_back(m.data1);
    return out;
  }
};

}  // namespace

TEST_F(EditingSoundTest, TransposedAndDuplicatedChordsSoundOnTheCurrentInstrument) {
  TfrmMain& w = *window;
  SetSong({kCMajor});
  w.song().SetPatch(27);
  w.btnShiftRight->click();
  EXPECT_EQ(device.NoteOnKeys(), (std::vector<int>{65, 61, 56, 53, 49}));  // string 1 first
  EXPECT_EQ(Programs(), std::vector<int>{27});
  RunUntilQuiet();
  EXPECT_FALSE(device.IsOpen());  // handed back after the chord
  device.Clear();
  w.btnShiftLeft->click();
  EXPECT_EQ(device.NoteOnKeys(), (std::vector<int>{64, 60, 55, 52, 48}));
  RunUntilQuiet();
  device.Clear();
  w.btnDup->click();
  EXPECT_EQ(device.NoteOnKeys(), (std::vector<int>{64, 60, 55, 52, 48}));
  RunUntilQuiet();
  EXPECT_EQ(device.OfKind(0x80).size(), 5u);
  device.Clear();
  // Commands that only change text are silent.
  w.btnClear->click();
  w.btnRest->click();
  w.btnDelete->click();
  EXPECT_TRUE(device.messages.empty());
}

TEST_F(EditingSoundTest, TheNeckSoundsTheClickedNoteWithTheTuning) {
  TfrmMain& w = *window;
  SetSong({"* intro"});
  Click(1, 3, Qt::LeftButton);
  EXPECT_EQ(device.NoteOnKeys(), std::vector<int>{67});
  device.Clear();
  w.song().SetTuning(355433);  // string 6 two semitones down
  Click(6, 0, Qt::LeftButton);
  EXPECT_EQ(device.NoteOnKeys(), std::vector<int>{38});
  device.Clear();
  // Taking a note off with the left button sounds it once more.
  Click(6, 0, Qt::LeftButton);
  EXPECT_EQ(device.NoteOnKeys(), std::vector<int>{38});
  EXPECT_EQ(w.sheet().Line(1), "Chord, x, x, x, x, x, 3, Q");
  device.Clear();
  Click(1, 3, Qt::MiddleButton);
  Click(2, 3, Qt::RightButton);
  EXPECT_TRUE(device.messages.empty());
}

// With a capo every sound is the written fret plus the capo, and the neck
// counts its frets from the capo: behind it a click does nothing.
TEST_F(EditingSoundTest, ACapoSoundsInPreviewsClicksAndPlayback) {
  TfrmMain& w = *window;
  SetSong({"* Capo: 2", kCMajor});
  w.sheet().SelectLine(1, false);
  w.btnDup->click();
  EXPECT_EQ(device.NoteOnKeys(), (std::vector<int>{66, 62, 57, 54, 50}));
  RunUntilQuiet();
  device.Clear();
  Click(1, 1, Qt::LeftButton);
  EXPECT_TRUE(device.messages.empty());
  EXPECT_EQ(w.sheet().Line(2), kCMajor);
  Click(1, 5, Qt::LeftButton);
  EXPECT_EQ(device.NoteOnKeys(), std::vector<int>{69});
  EXPECT_EQ(w.sheet().Line(2), "C, x, 3, 2, 0, 1, 3, Q");
  RunUntilQuiet();
  device.Clear();
  w.sheet().SetLines({"* Capo: 3", kCMajor});
  PlayToEnd();
  EXPECT_EQ(device.NoteOnKeys(), (std::vector<int>{67, 63, 58, 55, 51}));
}
