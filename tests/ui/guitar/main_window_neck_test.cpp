// The neck and the Tuning menu inside the main window.
#include <QAction>
#include <QActionGroup>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>

#include "support/main_window_fixture.h"
#include "support/shots.h"
#include "ui/guitar/neck_marker.h"
#include "ui/guitar/neck_view.h"

using namespace strumbly;
using strumbly::test::kCMajor;
using strumbly::test::MainWindowTest;

namespace {

std::vector<QString> FilledMarkerNames(TfrmMain& w) {
  std::vector<QString> names;
  for (int s = 0; s < 6; ++s)
    for (int f = 0; f <= 18; ++f)
      if (w.neckView->Marker(s, f)->IsFilled()) names.push_back(w.neckView->Marker(s, f)->objectName());
  return names;
}

QAction* CheckedTuning(TfrmMain& w) { return w.tuningMenu().UserItem()->actionGroup()->checkedAction(); }

}  // namespace

TEST_F(MainWindowTest, TuningMenuItemsInOrder) {
  TfrmMain& w = *window;
  EXPECT_EQ(w.Tuning1->title(), "&Tuning");
  EXPECT_EQ(w.Tuning1->menuAction()->statusTip(), "Guitar tunings.");
  const QList<QAction*> items = w.Tuning1->actions();
  // The tunings, then the capo under a line of its own.
  ASSERT_EQ(items.size(), 8);
  EXPECT_TRUE(items[6]->isSeparator());
  EXPECT_EQ(items[7], w.Capo1);
  EXPECT_EQ(w.Capo1->text(), "&Capo...");
  EXPECT_FALSE(w.Capo1->isCheckable());
  const char* names[] = {"Standard1", "DMajor1", "GMajor1", "DroppedD1", "N8", "Usertuning1"};
  const char* captions[] = {"&Standard Tuning - E A D G B E",
                            "&D Major Tuning - D A D F# A D",
                            "&G Major Tuning - D G D G B D",
                            "Dro&pped D Tuning - D A D G B E",
                            "",
                            "&Custom Tuning - C G C G C E"};
  const int tags[] = {555555, 355433, 335553, 355555, 0, 133565};
  for (int i = 0; i < 6; ++i) {
    SCOPED_TRACE(names[i]);
    EXPECT_EQ(items[i]->objectName(), names[i]);
    if (i == 4) {
      EXPECT_TRUE(items[i]->isSeparator());
      continue;
    }
    EXPECT_EQ(items[i]->text(), captions[i]);
    EXPECT_EQ(items[i]->data().toInt(), tags[i]);
    EXPECT_TRUE(items[i]->isCheckable());
    EXPECT_EQ(items[i]->actionGroup(), w.tuningMenu().UserItem()->actionGroup());
    EXPECT_EQ(items[i]->statusTip(), i == 5 ? "User selected tuning. Set using File/Settings." : "Guitar Tuning.");
  }
  // A new song is in standard tuning.
  EXPECT_EQ(CheckedTuning(w), w.action("Standard1"));
  EXPECT_EQ(w.StatusPanel(1), "Standard Tuning - E A D G B E");
  EXPECT_EQ(w.song().Tuning(), 555555);
  EXPECT_EQ(w.song().Offsets(), (std::array<int, 6>{0, 0, 0, 0, 0, 0}));
  EXPECT_FALSE(w.song().Modified());
}

TEST_F(MainWindowTest, ChoosingATuningAppliesItAndMarksTheSong) {
  TfrmMain& w = *window;
  w.action("DMajor1")->trigger();
  EXPECT_EQ(CheckedTuning(w), w.action("DMajor1"));
  EXPECT_EQ(w.StatusPanel(1), "D Major Tuning - D A D F# A D");
  EXPECT_EQ(w.song().Offsets(), (std::array<int, 6>{-2, -2, -1, 0, 0, -2}));
  EXPECT_EQ(w.song().Tuning(), 355433);
  EXPECT_TRUE(w.song().Modified());

  w.song().SetModified(false);
  w.action("DroppedD1")->trigger();
  EXPECT_EQ(w.StatusPanel(1), "Dropped D Tuning - D A D G B E");
  EXPECT_EQ(w.song().Offsets(), (std::array<int, 6>{0, 0, 0, 0, 0, -2}));
  EXPECT_TRUE(w.song().Modified());

  w.action("Usertuning1")->trigger();
  EXPECT_EQ(CheckedTuning(w), w.action("Usertuning1"));
  EXPECT_EQ(w.StatusPanel(1), "Custom Tuning - C G C G C E");
  EXPECT_EQ(w.song().Offsets(), (std::array<int, 6>{0, 1, 0, -2, -2, -4}));

  // A new song goes back to standard tuning and is not modified.
  w.songFiles().NewSong();
  EXPECT_EQ(CheckedTuning(w), w.action("Standard1"));
  EXPECT_EQ(w.StatusPanel(1), "Standard Tuning - E A D G B E");
  EXPECT_FALSE(w.song().Modified());
}

TEST_F(MainWindowTest, UserTuningWithAPresetTagChecksThePreset) {
  TfrmMain& w = *window;
  w.tuningMenu().SetUserItem("&Custom Tuning - E A D G B E", 555555);
  EXPECT_EQ(w.tuningMenu().UserItem()->text(), "&Custom Tuning - E A D G B E");
  w.song().SetTuning(355433);
  w.tuningMenu().UserItem()->trigger();
  EXPECT_EQ(CheckedTuning(w), w.action("Standard1"));
  EXPECT_FALSE(w.tuningMenu().UserItem()->isChecked());
  EXPECT_EQ(w.StatusPanel(1), "Standard Tuning - E A D G B E");
  EXPECT_TRUE(w.song().Modified());
}

TEST_F(MainWindowTest, UnusualTagsFromSongs) {
  TfrmMain& w = *window;
  // A string tuned five semitones down has no note name.
  w.tuningMenu().AdoptSongTuning(505555);
  w.song().SetTuning(505555);
  EXPECT_EQ(w.tuningMenu().UserItem()->text(), "&Custom Tuning - E ? D G B E");
  EXPECT_EQ(CheckedTuning(w), w.tuningMenu().UserItem());
  EXPECT_EQ(w.StatusPanel(1), "Custom Tuning - E ? D G B E");
  EXPECT_EQ(w.song().Offsets(), (std::array<int, 6>{0, 0, 0, 0, -5, 0}));
  EXPECT_FALSE(w.song().Modified());  // only the menu click marks the song

  // Tags too short to read, or negative, give standard tuning and no error.
  for (std::int32_t tag : {12345, 7, 0, -355433}) {
    SCOPED_TRACE(tag);
    w.song().SetTuning(355433);
    w.song().SetTuning(tag);
    EXPECT_EQ(w.song().Offsets(), (std::array<int, 6>{0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(CheckedTuning(w), w.action("Standard1"));
    EXPECT_EQ(w.StatusPanel(1), "Standard Tuning - E A D G B E");
    EXPECT_EQ(w.song().Tuning(), 555555);
  }
  EXPECT_TRUE(dialogs->messages.empty());
}

TEST_F(MainWindowTest, UserTuningItemComesFromTheSettings) {
  window->settings().MenuTuningName = "&Custom Tuning - D A D G A D";
  window->settings().MenuTuningTag = 355533;
  window->song().SetModified(false);
  ASSERT_TRUE(window->close());
  TfrmMain& w = Start();
  EXPECT_EQ(w.tuningMenu().UserItem()->text(), "&Custom Tuning - D A D G A D");
  EXPECT_EQ(w.tuningMenu().UserItem()->data().toInt(), 355533);
  EXPECT_EQ(CheckedTuning(w), w.action("Standard1"));  // the song itself starts in standard tuning
  w.tuningMenu().UserItem()->trigger();
  EXPECT_EQ(w.StatusPanel(1), "Custom Tuning - D A D G A D");
  EXPECT_EQ(w.song().Offsets(), (std::array<int, 6>{-2, -2, 0, 0, 0, -2}));
}

TEST_F(MainWindowTest, CurrentLineDrivesTheNeck) {
  TfrmMain& w = *window;
  ASSERT_NE(w.neckView, nullptr);
  EXPECT_EQ(w.findChild<QWidget*>("shpNeckRect"), w.neckView);
  // At the top left, under the file name.
  EXPECT_EQ(w.neckView->geometry().topLeft(), QPoint(3, w.lblFilename->geometry().bottom() + 1));
  EXPECT_EQ(w.neckView->Picture()->mapTo(w.neckView, QPoint(0, 0)), QPoint(2, 2));
  EXPECT_EQ(w.neckView->findChildren<NeckMarker*>().size(), 114);

  SetText(QString("* intro\n") + kCMajor + "\n\nD, x, x, 0, 2, 3, 2, H");
  w.sheet().SelectLine(1, false);
  Key(Qt::Key_End);
  EXPECT_EQ(FilledMarkerNames(w),
            (std::vector<QString>{"DOT_s01_f00", "DOT_s02_f01", "DOT_s03_f00", "DOT_s04_f02", "DOT_s05_f03"}));
  Key(Qt::Key_Down);  // blank line: an empty neck
  EXPECT_TRUE(FilledMarkerNames(w).empty());
  Key(Qt::Key_Down);
  EXPECT_EQ(FilledMarkerNames(w), (std::vector<QString>{"DOT_s01_f02", "DOT_s02_f03", "DOT_s03_f02", "DOT_s04_f00"}));
  Key(Qt::Key_Up);
  Key(Qt::Key_Up);
  Key(Qt::Key_Up);  // comment line
  EXPECT_TRUE(FilledMarkerNames(w).empty());
  w.sheet().SelectLine(3, false);
  Key(Qt::Key_End);
  w.songFiles().NewSong();
  EXPECT_TRUE(FilledMarkerNames(w).empty());
}

// The capo line of the song puts the bar on the neck and the capo in the
// status bar; Tuning / Capo writes that line, one step of Undo.
TEST_F(MainWindowTest, TheCapoOfTheSongsLinesIsShownAndSet) {
  TfrmMain& w = *window;
  Sheet(QString("* Capo: 2\n") + kCMajor, 1);
  EXPECT_TRUE(w.neckView->CapoBar()->isVisibleTo(w.neckView));
  EXPECT_EQ(FilledMarkerNames(w),
            (std::vector<QString>{"DOT_s01_f02", "DOT_s02_f03", "DOT_s03_f02", "DOT_s04_f04", "DOT_s05_f05"}));
  EXPECT_TRUE(w.StatusPanel(1).endsWith(", Capo 2")) << w.StatusPanel(1).toStdString();
  test::SaveShot(test::RenderAt(w, 1), "capo_window");
  test::SaveShot(test::RenderAt(*w.neckView, 2), "capo_neck_2x");

  dialogs->numberAnswers = {5};
  w.action("Capo1")->trigger();
  ASSERT_EQ(dialogs->numbersAsked.size(), 1u);
  EXPECT_EQ(dialogs->numbersAsked[0].value, 2);
  EXPECT_EQ(w.sheet().Lines(), (QStringList{"* Capo: 5", kCMajor}));
  EXPECT_TRUE(FilledMarkerNames(w).front() == "DOT_s01_f05");
  EXPECT_TRUE(w.StatusPanel(1).endsWith(", Capo 5"));
  dialogs->numberAnswers = {0};
  w.action("Capo1")->trigger();
  EXPECT_EQ(w.sheet().Lines(), QStringList{kCMajor});
  EXPECT_FALSE(w.neckView->CapoBar()->isVisibleTo(w.neckView));
  EXPECT_FALSE(w.StatusPanel(1).contains("Capo"));
  w.action("Undo1")->trigger();
  EXPECT_EQ(w.sheet().Lines(), (QStringList{"* Capo: 5", kCMajor}));
  EXPECT_EQ(w.song().Capo(), 5);
  // A capo past the drawn frets leaves the notes it would push off unshown.
  Sheet(QString("* Capo: 11\n") + "G, 3, 2, 0, 0, 0, 10, Q", 1);
  EXPECT_EQ(FilledMarkerNames(w).size(), 5u);
  // Typing the line in works as well as the menu; a new song has none.
  Sheet(kCMajor, 0);
  Type("* capo: 1");
  Key(Qt::Key_Return);
  EXPECT_EQ(w.song().Capo(), 1);
  // Lines put in above it and edits elsewhere leave it; an edit of it counts.
  w.sheet().InsertLine(0, "* Title: Up");
  w.sheet().InsertLine(0, "");
  w.sheet().ReplaceLine(3, "G, 3, 2, 0, 0, 0, 3, Q");
  EXPECT_EQ(w.song().Capo(), 1);
  w.sheet().ReplaceLine(2, "* Capo: 4");
  EXPECT_EQ(w.song().Capo(), 4);
  w.sheet().DeleteLine(0);
  w.sheet().ReplaceLine(1, "* Capo: 3 (live)");
  EXPECT_EQ(w.song().Capo(), 3);
  w.sheet().InsertLine(0, "* A song whose first line is much longer than the next one");
  w.sheet().DeleteLine(2);  // the capo line, now moved down
  EXPECT_EQ(w.song().Capo(), 0);
  w.action("Undo1")->trigger();
  EXPECT_EQ(w.song().Capo(), 3);
  w.songFiles().NewSong();
  EXPECT_EQ(w.song().Capo(), 0);
  EXPECT_FALSE(w.neckView->CapoBar()->isVisibleTo(w.neckView));
}

// Edit / Transpose: the selection, or everything, with names and frets, in
// one step of Undo; a chord no shape fits stays and is listed.
TEST_F(MainWindowTest, TransposeMovesTheSelectionOrTheSong) {
  TfrmMain& w = *window;
  const QString g = "G, 3, 2, 0, 0, 0, 3, Q";
  Sheet(QString("* Title: Song\n") + kCMajor + "\n" + g + "\nF, 1, 3, 3, 2, 1, 1, Q", 1);
  dialogs->numberAnswers = {2};
  w.action("Transpose1")->trigger();
  EXPECT_EQ(dialogs->numbersAsked.at(0).min, -11);
  EXPECT_EQ(dialogs->numbersAsked.at(0).max, 11);
  EXPECT_EQ(w.sheet().Lines(), (QStringList{"* Title: Song", "D, x, 5, 4, 2, 3, 2, Q", "A, 5, 4, 2, 2, 2, 5, Q",
                                            "G, 3, 5, 5, 4, 3, 3, Q"}));
  EXPECT_EQ(w.sheet().CurrentLine(), 1);
  EXPECT_TRUE(dialogs->messages.empty());
  test::SaveShot(test::RenderAt(w, 1), "transposed_window");
  w.action("Undo1")->trigger();
  EXPECT_EQ(w.sheet().Line(1), kCMajor);
  EXPECT_EQ(w.sheet().Line(3), "F, 1, 3, 3, 2, 1, 1, Q");

  // Only the selected lines: the G takes the dictionary's F#. Down a
  // semitone this riff has no room below its open strings nor an octave
  // up, and the dictionary has no shape of that name; it stays and is
  // reported.
  const QString a = "Riff, x, 0, 7, 9, 10, 0, Q";
  w.sheet().ReplaceLine(3, a);
  w.sheet().SetSelection(w.sheet().LineStart(2), w.sheet().LineStart(3) + 2 - w.sheet().LineStart(2));
  dialogs->numberAnswers = {-1};
  w.action("Transpose1")->trigger();
  EXPECT_EQ(w.sheet().Lines(), (QStringList{"* Title: Song", kCMajor, "F#, 2, 4, 4, 3, 2, 2, Q", a}));
  EXPECT_EQ(dialogs->texts(), QStringList{"The chord on line 4 was not transposed: no shape of the new chord lies "
                                          "within frets 0 to 18."});
  // Cancelled or 0: nothing changes.
  dialogs->numberAnswers = {std::nullopt, 0};
  w.action("Transpose1")->trigger();
  w.action("Transpose1")->trigger();
  EXPECT_EQ(w.sheet().Line(2), "F#, 2, 4, 4, 3, 2, 2, Q");
  w.action("Undo1")->trigger();
  EXPECT_EQ(w.sheet().Line(2), g);
}

TEST_F(MainWindowTest, NeckFollowsTheSettings) {
  TfrmMain& w = *window;
  EXPECT_TRUE(w.lblFretNumbers->isHidden());
  EXPECT_EQ(w.lblFretNumbers->objectName(), "lblFretNumbers");
  EXPECT_EQ(w.lblChordName, w.neckView->ChordNameLabel());
  w.settings().MarkerShape = kShapeSquare;
  w.settings().MarkerColor = 0x0000FF;
  w.settings().ShowChordName = true;
  w.settings().ShowFretNumbers = true;
  w.ApplyNeckSettings();
  SetText(kCMajor);
  w.sheet().SelectLine(0, false);
  Key(Qt::Key_End);
  NeckMarker* m = w.findChild<NeckMarker*>("DOT_s05_f03");
  ASSERT_TRUE(m && m->IsFilled());
  EXPECT_EQ(m->Shape(), kShapeSquare);
  EXPECT_EQ(m->ColorValue(), 0x0000FFu);
  EXPECT_FALSE(w.lblChordName->isHidden());
  EXPECT_FALSE(w.lblFretNumbers->isHidden());
  EXPECT_EQ(w.lblChordName->text(), "C");
}

TEST_F(MainWindowTest, EditButtonsCarryPictures) {
  TfrmMain& w = *window;
  const char* names[] = {"btnWholeNote",     "btnHalfNote",         "btnQuarterNote",    "btnEighthNote",
                         "btnSixteenthNote", "btnThirtySecondNote", "btnSixtyFourthNote"};
  for (std::size_t i = 0; i < 7; ++i) {
    QPushButton* b = w.durationButtons[i];
    EXPECT_EQ(b->objectName(), names[i]);
    EXPECT_TRUE(b->text().isEmpty());
    EXPECT_FALSE(b->icon().isNull());
    EXPECT_EQ(b->accessibleName(), QString(QChar("WHQESTF"[i])));
  }
  // Each duration has its own picture.
  for (std::size_t i = 1; i < 7; ++i)
    EXPECT_NE(w.durationButtons[i]->icon().pixmap(12, 21).toImage(),
              w.durationButtons[i - 1]->icon().pixmap(12, 21).toImage());
  EXPECT_FALSE(w.btnShiftLeft->icon().isNull());
  EXPECT_FALSE(w.btnShiftRight->icon().isNull());
  EXPECT_NE(w.btnShiftLeft->icon().pixmap(20, 14).toImage(), w.btnShiftRight->icon().pixmap(20, 14).toImage());
}

TEST_F(MainWindowTest, ControlsRightOfTheNeckAtTwoSizes) {
  TfrmMain& w = *window;
  w.show();  // resizing a hidden window lays nothing out until it shows
  for (QSize size : {QSize(800, 640), QSize(1100, 760)}) {
    w.resize(size);
    const int width = w.frameGeometry().size().expandedTo(w.size()).width();
    const int right = w.neckView->geometry().right() + 1;
    const int panelCentre = w.pnlPlayButtons->x() + w.pnlPlayButtons->width() / 2;
    EXPECT_GT(w.pnlPlayButtons->x(), right);
    EXPECT_NEAR(panelCentre, right + (width - right) / 2, 1);
    // The controls under the neck start below it.
    EXPECT_GT(w.grpEditControls->y(), w.neckView->geometry().bottom());
  }
}

TEST_F(MainWindowTest, ScreenshotsWithAChordOnTheNeck) {
  TfrmMain& w = *window;
  w.settings().ShowChordName = true;
  w.settings().ShowFretNumbers = true;
  w.ApplyNeckSettings();
  SetText(QString("* Verse\nG, 3, 2, 0, 0, 0, 3, Q\nEm7, 0, 2, 2, 0, 3, 3, Q\n") + kCMajor +
          "\nD, x, x, 0, 2, 3, 2, H\n");
  w.sheet().SelectLine(3, false);
  Key(Qt::Key_End);
  w.resize(800, 640);
  const QPixmap one = test::RenderAt(w, 1.0);
  const QPixmap two = test::RenderAt(w, 2.0);
  test::SaveShot(one, "neck_main_window_dpr1");
  test::SaveShot(two, "neck_main_window_dpr2");
  ASSERT_EQ(two.size(), one.size() * 2);
  // The marker of string 5 at fret 3 shows in aqua at both ratios.
  NeckMarker* m = w.findChild<NeckMarker*>("DOT_s05_f03");
  const QPoint centre = m->mapTo(&w, QPoint(m->width() / 2, 6));
  EXPECT_EQ(one.toImage().pixelColor(centre), QColor(0, 255, 255));
  EXPECT_EQ(two.toImage().pixelColor(centre * 2), QColor(0, 255, 255));
}
