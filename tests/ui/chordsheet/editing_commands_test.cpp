#include <QApplication>
#include <QCheckBox>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTextDocument>
#include <QTimer>

#include "support/main_window_fixture.h"
#include "support/shots.h"
#include "support/sound_window_fixture.h"
#include "ui/guitar/neck_marker.h"
#include "ui/guitar/neck_view.h"

using namespace strumbly;
using strumbly::test::kCMajor;
using strumbly::test::MainWindowTest;

namespace {

class EditingTest : public MainWindowTest {
 protected:
  QStringList Lines() { return window->sheet().Lines(); }
  QString Selected() { return window->RichEdit1->textCursor().selectedText(); }
  QPushButton* Button(const char* name) { return window->findChild<QPushButton*>(name); }
};

}  // namespace

TEST_F(EditingTest, TransposingUpAndDown) {
  TfrmMain& w = *window;
  Sheet(QString(kCMajor) + "\nA, 18, 17, x, 0, 0, 0, H", 0);
  w.btnShiftRight->click();
  EXPECT_EQ(w.sheet().Line(0), "C, x, 4, 3, 1, 2, 1, Q");
  Sheet(QString(kCMajor) + "\nA, 18, 17, x, 0, 0, 0, H", 0);
  w.btnShiftLeft->click();
  EXPECT_EQ(w.sheet().Line(0), "C, x, 2, 1, x, 0, x, Q");  // open strings drop out
  w.btnShiftRight->click();
  EXPECT_EQ(w.sheet().Line(0), "C, x, 3, 2, x, 1, x, Q");  // and stay out
  w.sheet().SelectLine(1, false);
  w.btnShiftRight->click();
  EXPECT_EQ(w.sheet().Line(1), "A, x, 18, x, 1, 1, 1, H");
  EXPECT_EQ(w.edtName->text(), "A");
  EXPECT_TRUE(dialogs->messages.empty());
}

TEST_F(EditingTest, CommandsLeaveCommentBlankAndBadLinesAlone) {
  TfrmMain& w = *window;
  const QString text = "* comment\n\nC, x, 3, 2, 0, 1, 0, QQ";
  for (int line : {0, 1}) {
    Sheet(text, line);
    for (QPushButton* b : {w.btnShiftLeft, w.btnShiftRight, w.btnClear, w.btnDup, w.durationButtons[0]}) b->click();
    EXPECT_EQ(w.RichEdit1->toPlainText(), text) << line;
  }
  EXPECT_TRUE(dialogs->messages.empty());
  // The shifts parse quietly; Clear tries every string and says so each time.
  Sheet(text, 2);
  w.btnShiftRight->click();
  EXPECT_TRUE(dialogs->messages.empty());
  w.btnClear->click();
  EXPECT_EQ(dialogs->messages.size(), 6u);
  EXPECT_EQ(w.RichEdit1->toPlainText(), text);
}

TEST_F(EditingTest, ClearRestAndDelete) {
  TfrmMain& w = *window;
  Sheet(QString("Am, x, 0, 2, 2, 1, 0, Q\n") + kCMajor, 1);
  w.btnClear->click();
  EXPECT_EQ(Lines(), QStringList({"Am, x, 0, 2, 2, 1, 0, Q", "C, x, x, x, x, x, x, Q"}));

  w.sheet().SelectLine(0, false);
  w.btnRest->click();
  EXPECT_EQ(Lines(), QStringList({"Am, x, 0, 2, 2, 1, 0, Q", "Rest , x, x, x, x, x, x, Q", "C, x, x, x, x, x, x, Q"}));
  EXPECT_EQ(w.sheet().CurrentLine(), 1);
  EXPECT_EQ(Selected(), "Rest , x, x, x, x, x, x, Q");
  EXPECT_EQ(w.lblChordName->text(), "Rest");

  w.btnDelete->click();
  EXPECT_EQ(Lines(), QStringList({"Am, x, 0, 2, 2, 1, 0, Q", "C, x, x, x, x, x, x, Q"}));
  EXPECT_EQ(w.sheet().CurrentLine(), 1);
  EXPECT_EQ(w.lblChordName->text(), "C");
  // After the last line nothing is deleted.
  Sheet(QString(kCMajor) + "\n", 1);
  w.btnDelete->click();
  EXPECT_EQ(Lines(), QStringList{kCMajor});
}

TEST_F(EditingTest, DuplicateLeavesTheCaretOnTheLowerCopy) {
  TfrmMain& w = *window;
  Sheet(QString("* intro\n") + kCMajor + "\nG, 3, 2, 0, 0, 0, 3, Q", 1);
  w.btnDup->click();
  EXPECT_EQ(Lines(), QStringList({"* intro", kCMajor, kCMajor, "G, 3, 2, 0, 0, 0, 3, Q"}));
  EXPECT_EQ(w.sheet().CurrentLine(), 2);
  EXPECT_EQ(Selected(), kCMajor);
  EXPECT_EQ(w.edtName->text(), "C");
}

TEST_F(EditingTest, TheDottedEighthRetimesTheLineAndLaterTemplates) {
  TfrmMain& w = *window;
  Sheet(QString(kCMajor) + "\n* end", 0);
  w.chkDotted->click();
  EXPECT_TRUE(w.chkDotted->isChecked());
  w.findChild<QPushButton*>("btnEighthNote")->click();
  EXPECT_EQ(w.sheet().Line(0), "C, x, 3, 2, 0, 1, 0, .E");
  EXPECT_EQ(Q(w.song().CurrentDuration()), " .E");
  w.btnRest->click();
  EXPECT_EQ(w.sheet().Line(1), "Rest , x, x, x, x, x, x, .E");
  // On a comment only the current duration changes.
  w.chkDotted->click();
  w.sheet().SelectLine(2, false);
  w.findChild<QPushButton*>("btnWholeNote")->click();
  EXPECT_EQ(Q(w.song().CurrentDuration()), " W");
  EXPECT_EQ(w.sheet().Line(2), "* end");
  // Every button writes its own letter.
  const char* letters = "WHQESTF";
  for (int i = 0; i < 7; ++i) {
    w.sheet().SelectLine(0, false);
    w.durationButtons[static_cast<std::size_t>(i)]->click();
    EXPECT_EQ(w.sheet().Line(0), QString("C, x, 3, 2, 0, 1, 0, ") + letters[i]);
  }
  // A new song starts with quarter notes again.
  dialogs->messageAnswers.push_back(MessageResult::No);  // no need to keep this one
  w.action("New1")->trigger();
  EXPECT_EQ(Q(w.song().CurrentDuration()), " Q");
}

TEST_F(EditingTest, NewChordAtTheEndOfTheSheet) {
  TfrmMain& w = *window;
  // The last line without a final line break: an empty line after it, with
  // the caret on it.
  Sheet(kCMajor, 0);
  w.btnNewChord->click();
  EXPECT_EQ(Lines(), QStringList({kCMajor, ""}));
  EXPECT_EQ(w.sheet().CurrentLine(), 1);
  EXPECT_EQ(w.lblChordName->text(), "No Chord  -  Blank Line");
  // After a final line break: an empty line is appended, the caret after it.
  Sheet(QString(kCMajor) + "\n", 1);
  w.btnNewChord->click();
  EXPECT_EQ(w.RichEdit1->toPlainText(), QString(kCMajor) + "\n\n");
  EXPECT_EQ(w.sheet().CurrentLine(), 2);
  // In the middle: an empty line below the current one.
  Sheet(QString(kCMajor) + "\nG, 3, 2, 0, 0, 0, 3, Q", 0);
  w.btnNewChord->click();
  EXPECT_EQ(Lines(), QStringList({kCMajor, "", "G, 3, 2, 0, 0, 0, 3, Q"}));
  EXPECT_EQ(w.sheet().CurrentLine(), 1);
}

TEST_F(EditingTest, RenameWhenTheNameBoxLosesTheFocus) {
  TfrmMain& w = *window;
  Sheet(QString(kCMajor) + "\n* comment", 0);
  ASSERT_EQ(w.edtNameTag, 0);
  w.edtName->setText("7");
  // The caret moved on; the box still names line 0.
  w.sheet().SelectLine(1, false);
  QFocusEvent out(QEvent::FocusOut);
  QApplication::sendEvent(w.edtName, &out);
  EXPECT_EQ(w.sheet().Line(0), "7, x, 3, 2, 0, 1, 0, Q");
  EXPECT_EQ(w.lblChordName->text(), "7");
  w.ShowLine(0);
  EXPECT_EQ(w.StatusPanel(0), "   ***Error***   Line 1    Number not allowed for chord name.");

  // A blank name changes nothing.
  Sheet(QString(kCMajor), 0);
  w.edtName->setText("   ");
  QApplication::sendEvent(w.edtName, &out);
  EXPECT_EQ(w.sheet().Line(0), kCMajor);
}

TEST_F(EditingTest, TheEditorGetsTheFocusBackAndRenamesOnLeavingTheBox) {
  TfrmMain& w = *window;
  ShowAndActivate();
  Sheet(kCMajor, 0);
  w.edtName->setFocus();
  ASSERT_TRUE(w.edtName->hasFocus());
  w.edtName->setText("Cadd9");
  w.btnRest->click();  // the box loses the focus to the editor
  EXPECT_TRUE(w.RichEdit1->hasFocus());
  EXPECT_EQ(w.sheet().Line(0), "Cadd9, x, 3, 2, 0, 1, 0, Q");
  EXPECT_EQ(w.sheet().Line(1), "Rest , x, x, x, x, x, x, Q");
  w.edtName->setFocus();
  w.chkDotted->click();
  EXPECT_TRUE(w.RichEdit1->hasFocus());
}

// The outcomes of pressing a mouse button on a neck marker.
TEST_F(EditingTest, ClickingTheNeck) {
  TfrmMain& w = *window;
  auto marker = [&](int string, int fret) { return Marker(string, fret); };
  auto click = [&](int string, int fret, Qt::MouseButton button) {
    NeckMarker* m = marker(string, fret);
    ASSERT_NE(m, nullptr);
    QTest::mouseClick(m, button);
  };
  // Left on a comment: a template line below it takes the note.
  Sheet("* intro", 0);
  click(1, 3, Qt::LeftButton);
  EXPECT_EQ(Lines(), QStringList({"* intro", "Chord, x, x, x, x, x, 3, Q"}));
  EXPECT_EQ(w.sheet().CurrentLine(), 1);
  EXPECT_TRUE(marker(1, 3)->IsFilled());
  // Left on another fret of the same string moves the note.
  click(1, 5, Qt::LeftButton);
  EXPECT_EQ(w.sheet().Line(1), "Chord, x, x, x, x, x, 5, Q");
  EXPECT_FALSE(marker(1, 3)->IsFilled());
  // Left on the showing marker takes the note off.
  click(1, 5, Qt::LeftButton);
  EXPECT_EQ(w.sheet().Line(1), "Chord, x, x, x, x, x, x, Q");
  EXPECT_FALSE(marker(1, 5)->IsFilled());
  click(6, 0, Qt::LeftButton);
  EXPECT_EQ(w.sheet().Line(1), "Chord, 0, x, x, x, x, x, Q");
  // Middle on an empty marker writes nothing; the marker stays filled until
  // the neck is shown again.
  click(4, 2, Qt::MiddleButton);
  EXPECT_EQ(w.sheet().Line(1), "Chord, 0, x, x, x, x, x, Q");
  EXPECT_TRUE(marker(4, 2)->IsFilled());
  // Middle on a showing marker takes it off.
  click(6, 0, Qt::MiddleButton);
  EXPECT_EQ(w.sheet().Line(1), "Chord, x, x, x, x, x, x, Q");
  EXPECT_FALSE(marker(4, 2)->IsFilled());
  // Right changes nothing and creates no line.
  Sheet("* intro", 0);
  click(2, 1, Qt::RightButton);
  EXPECT_EQ(Lines(), QStringList{"* intro"});
  EXPECT_FALSE(marker(2, 1)->IsFilled());

  // A blank line becomes the chord line.
  Sheet(QString(kCMajor) + "\n\n* end", 1);
  click(2, 1, Qt::LeftButton);
  EXPECT_EQ(Lines(), QStringList({kCMajor, "Chord, x, x, x, x, 1, x, Q", "* end"}));
  // A bad line is left as it was; the chord goes below it.
  Sheet("A, 0, 0", 0);
  click(3, 2, Qt::LeftButton);
  EXPECT_EQ(Lines(), QStringList({"A, 0, 0", "Chord, x, x, x, 2, x, x, Q"}));
  // On a chord line with the caret after the last line: a new line at the end.
  Sheet(QString(kCMajor) + "\n", 1);
  click(5, 3, Qt::LeftButton);
  EXPECT_EQ(Lines(), QStringList({kCMajor, "Chord, x, 3, x, x, x, x, Q"}));
  // On a chord: the string's note is set and the neck shows the line.
  Sheet(kCMajor, 0);
  click(6, 3, Qt::LeftButton);
  EXPECT_EQ(Lines(), QStringList{"C, 3, 3, 2, 0, 1, 0, Q"});
  for (auto [string, fret] : {std::pair{6, 3}, {5, 3}, {4, 2}, {3, 0}, {2, 1}, {1, 0}})
    EXPECT_TRUE(marker(string, fret)->IsFilled()) << string;
  // During playback the neck does nothing.
  w.chkLoop->setChecked(true);
  QTimer::singleShot(30, &w, [&] {
    click(5, 5, Qt::LeftButton);
    w.player().PlayOrStop();  // Stop
  });
  test::PlayToEnd(w.player());
  w.chkLoop->setChecked(false);
  EXPECT_EQ(Lines(), QStringList{"C, 3, 3, 2, 0, 1, 0, Q"});
  EXPECT_FALSE(marker(5, 5)->IsFilled());
  EXPECT_TRUE(dialogs->messages.empty());
}

TEST_F(EditingTest, ScreenshotAfterClickingAChordOntoTheNeck) {
  TfrmMain& w = *window;
  w.settings().ShowChordName = true;
  w.settings().ShowFretNumbers = true;
  w.ApplyNeckSettings();
  Sheet("* Verse\nG, 3, 2, 0, 0, 0, 3, Q\n", 1);
  w.btnNewChord->click();
  // A D major chord, string by string.
  for (auto [string, fret] : {std::pair{4, 0}, {3, 2}, {2, 3}, {1, 2}})
    QTest::mouseClick(w.findChild<NeckMarker*>(QString::asprintf("DOT_s%02d_f%02d", string, fret)), Qt::LeftButton);
  w.edtName->setText("D");
  QFocusEvent out(QEvent::FocusOut);
  QApplication::sendEvent(w.edtName, &out);
  EXPECT_EQ(w.sheet().Line(2), "D, x, x, 0, 2, 3, 2, Q");
  EXPECT_EQ(w.lblChordName->text(), "D");
  int filled = 0;
  for (NeckMarker* m : w.neckView->findChildren<NeckMarker*>()) filled += m->IsFilled() ? 1 : 0;
  EXPECT_EQ(filled, 4);
  w.resize(800, 640);
  test::SaveShot(test::RenderAt(w, 1.0), "songs_chord_clicked_onto_neck");
}

// The window can go while the name box has the focus: the box loses it as
// the window goes, and no rename reaches the song then.
TEST_F(EditingTest, DestroyingTheWindowWithTheNameBoxFocusedRenamesNothing) {
  TfrmMain& w = *window;
  ShowAndActivate();
  // The song's text outlives the window, so what its last moments did shows.
  QTextDocument song;
  song.setDocumentLayout(new QPlainTextDocumentLayout(&song));
  w.RichEdit1->setDocument(&song);
  Sheet(kCMajor, 0);
  w.edtName->setFocus();
  ASSERT_TRUE(w.edtName->hasFocus());
  w.edtName->setText("X");
  window.reset();
  EXPECT_EQ(song.toPlainText(), kCMajor);
}
