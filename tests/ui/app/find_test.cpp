#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "support/shots.h"
#include "support/sound_window_fixture.h"
#include "ui/app/find_dialog.h"

using namespace strumbly;
using strumbly::test::MainWindowTest;
using strumbly::test::SoundWindowTest;

namespace {

const QString kSong =
    "* Am to the end, with a comment long enough\n"
    "Am, x, 0, 2, 2, 1, 0, Q\n"
    "C, x, 3, 2, 0, 1, 0, Q\n"
    "Am, x, 0, 2, 2, 1, 0, H\n"
    "Am7, x, 0, 2, 0, 1, 0, Q";

class FindTest : public MainWindowTest {
 protected:
  Tfrmfind& Find() { return *window->frmfind; }
  // Edit / Find with the dialog answered: the text typed, then OK (or
  // Cancel, or the close box).
  enum class Close { Ok, Cancel, CloseBox };
  void FindWith(const QString& text, Close how = Close::Ok, bool wholeWord = false, bool matchCase = false) {
    dialogs->onExec = [=, this](QDialog& d) {
      if (d.objectName() != "Tfrmfind") return;
      if (!text.isNull()) Find().Edit1->setText(text);
      Find().chkWholeWord->setChecked(wholeWord);
      Find().chkMatchCase->setChecked(matchCase);
      if (how == Close::Ok) QTest::mouseClick(Find().btnOK, Qt::LeftButton);
      if (how == Close::Cancel) QTest::mouseClick(Find().btnCancel, Qt::LeftButton);
      if (how == Close::CloseBox) d.reject();
    };
    window->action("Find1")->trigger();
    dialogs->onExec = nullptr;
  }
  void FindNext() { window->action("FindNext1")->trigger(); }
  // The selection as line, column and length.
  std::tuple<int, int, int> Selection() const {
    const QTextCursor c = window->RichEdit1->textCursor();
    QTextCursor start = c;
    start.setPosition(c.selectionStart());
    return {start.blockNumber(), start.positionInBlock(), c.selectionEnd() - c.selectionStart()};
  }
  QStringList Messages() { return dialogs->texts(); }
};

}  // namespace

TEST_F(FindTest, FindThenFindNextWalksThroughTheMatchesAndStopsAtTheEnd) {
  SetText(kSong);
  window->sheet().SetSelection(0, 0);
  FindWith("Am", Close::Ok, /*wholeWord=*/true);
  EXPECT_TRUE(Messages().isEmpty());
  // The comment's Am is a word too.
  EXPECT_EQ(Selection(), std::make_tuple(0, 2, 2));
  FindNext();
  EXPECT_EQ(Selection(), std::make_tuple(1, 0, 2));
  EXPECT_EQ(window->lblChordName->text(), "Am");  // the neck follows the match
  FindNext();
  EXPECT_EQ(Selection(), std::make_tuple(3, 0, 2));
  // "Am7" is not the word Am: the end is reached.
  FindNext();
  ASSERT_EQ(Messages(), QStringList({"Search string \"Am\" not found"}));
  EXPECT_EQ(dialogs->messages[0].kind, MessageKind::Information);
  EXPECT_EQ(dialogs->messages[0].buttons, MessageButtons::Ok);
  EXPECT_EQ(Selection(), std::make_tuple(3, 0, 0));  // the caret stays at the last match
  // Searching on finds the last match again: there is no wrapping around.
  FindNext();
  EXPECT_EQ(Selection(), std::make_tuple(3, 0, 2));
  EXPECT_EQ(Messages().size(), 1);
}

TEST_F(FindTest, ThreeMatchesThenNotFoundThenTheLastAgain) {
  SetText(
      "Am, x, 0, 2, 2, 1, 0, Q\nC, x, 3, 2, 0, 1, 0, Q\nAm, x, 0, 2, 2, 1, 0, H\nG, 3, 2, 0, 0, 0, 3, Q\n"
      "Am, x, 0, 2, 2, 1, 0, W");
  window->sheet().SetSelection(0, 0);
  FindWith("Am");
  EXPECT_EQ(Selection(), std::make_tuple(0, 0, 2));
  FindNext();
  EXPECT_EQ(Selection(), std::make_tuple(2, 0, 2));
  FindNext();
  EXPECT_EQ(Selection(), std::make_tuple(4, 0, 2));
  FindNext();
  EXPECT_EQ(Messages(), QStringList({"Search string \"Am\" not found"}));
  EXPECT_EQ(Selection(), std::make_tuple(4, 0, 0));
  FindNext();
  EXPECT_EQ(Selection(), std::make_tuple(4, 0, 2));
}

TEST_F(FindTest, MatchCaseAndWholeWord) {
  SetText(kSong);
  window->sheet().SetSelection(0, 0);
  // Without "Match Case", am finds Am.
  FindWith("am");
  EXPECT_EQ(Selection(), std::make_tuple(0, 2, 2));
  window->sheet().SetSelection(0, 0);
  FindWith("am", Close::Ok, false, /*matchCase=*/true);
  EXPECT_EQ(Messages(), QStringList({"Search string \"am\" not found"}));
  EXPECT_EQ(Selection(), std::make_tuple(0, 0, 0));
  // Whole word: Am7 is found as itself, not as Am.
  window->sheet().SetSelection(0, 0);
  FindWith("Am7", Close::Ok, true, true);
  EXPECT_EQ(Selection(), std::make_tuple(4, 0, 3));
  // The options stay for Find Next and the next opening.
  EXPECT_TRUE(Find().chkWholeWord->isChecked());
  EXPECT_TRUE(Find().chkMatchCase->isChecked());
}

TEST_F(FindTest, TheDialogTakesAShortSelectionAndRemembersItsText) {
  SetText(kSong);
  window->sheet().SetSelection(0, 0);
  FindWith("C, x");
  EXPECT_EQ(Selection(), std::make_tuple(2, 0, 4));
  // Opened again, it holds the last text, all selected for typing over.
  dialogs->onExec = [&](QDialog& d) {
    EXPECT_EQ(Find().Edit1->text(), "C, x");
    EXPECT_EQ(Find().Edit1->selectedText(), "C, x");
    test::SaveShot(test::RenderAt(d, 1), "find_dialog");
  };
  window->action("Find1")->trigger();
  // A selection of 12 characters fills the box ...
  window->sheet().SetSelection(window->sheet().LineStart(1), 12);
  FindWith(QString(), Close::Cancel);
  EXPECT_EQ(Find().Edit1->text(), "Am, x, 0, 2,");
  // ... one of 30 does not.
  window->sheet().SetSelection(0, 30);
  FindWith(QString(), Close::Cancel);
  EXPECT_EQ(Find().Edit1->text(), "Am, x, 0, 2,");
  EXPECT_TRUE(Messages().isEmpty());
}

TEST_F(FindTest, CancelAndTheCloseBoxShowNothingAndFindNextFirstOpensTheDialog) {
  SetText(kSong);
  window->sheet().SetSelection(0, 0);
  // Find Next before any search opens the dialog.
  FindNext();
  EXPECT_EQ(dialogs->executedWindows, QStringList({"Tfrmfind"}));

  FindWith("Am", Close::Cancel);
  FindWith("Am", Close::CloseBox);
  EXPECT_TRUE(Messages().isEmpty());
  EXPECT_EQ(Selection(), std::make_tuple(0, 0, 0));
  EXPECT_EQ(Find().result(), Tfrmfind::Cancelled);
  // Cancelled with a text in the box: Find Next searches for it.
  FindNext();
  EXPECT_EQ(Selection(), std::make_tuple(0, 2, 2));
  EXPECT_EQ(dialogs->executedWindows.size(), 3);
}

TEST_F(FindTest, TheMenuItemsAndTheDialog) {
  QAction* find = window->action("Find1");
  QAction* next = window->action("FindNext1");
  EXPECT_EQ(find->text(), "&Find...");
  EXPECT_EQ(find->shortcut(), QKeySequence("Ctrl+F"));
  EXPECT_EQ(find->statusTip(), "Find a text string.");
  EXPECT_EQ(next->text(), "Find &Next");
  EXPECT_EQ(next->shortcut(), QKeySequence("F3"));
  EXPECT_EQ(next->statusTip(), "Find next occurrence of string.");
  EXPECT_EQ(Find().windowTitle(), "Find Text");
  EXPECT_TRUE(Find().btnOK->isDefault());
  EXPECT_EQ(Find().chkWholeWord->text(), "Whole Word");
  EXPECT_EQ(Find().chkMatchCase->text(), "Match Case");
  // Small enough for the smallest screen even with large text.
  Find().adjustSize();
  EXPECT_LE(Find().width(), 400);
  EXPECT_LE(Find().height(), 300);
  test::SaveShot(test::RenderAt(Find(), 2), "find_dialog_2x");
}

TEST_F(FindTest, CtrlFAndF3FromTheEditor) {
  ShowAndActivate();
  SetText(kSong);
  window->sheet().SetSelection(0, 0);
  dialogs->onExec = [&](QDialog& d) {
    Find().Edit1->setText("C,");
    QTest::keyClick(&d, Qt::Key_Return);
  };
  Key(Qt::Key_F, Qt::ControlModifier);
  EXPECT_EQ(Selection(), std::make_tuple(2, 0, 2));
  window->sheet().SetSelection(0, 0);
  Key(Qt::Key_F3);
  EXPECT_EQ(Selection(), std::make_tuple(2, 0, 2));
  EXPECT_EQ(dialogs->executedWindows, QStringList({"Tfrmfind"}));
  EXPECT_TRUE(window->RichEdit1->hasFocus());
}

// While a song plays the Edit menu is off, its keys too: no dialog opens
// over the playback.
TEST_F(SoundWindowTest, FindKeysDoNothingWhileASongPlays) {
  ShowAndActivate();
  SetSong({test::kCMajor, test::kCMajor, test::kCMajor}, 120);
  bool pressed = false;
  After(100, [&] {
    Key(Qt::Key_F, Qt::ControlModifier);
    Key(Qt::Key_F3);
    pressed = true;
    window->player().PlayOrStop();
  });
  test::PlayToEnd(window->player());
  EXPECT_TRUE(pressed);
  EXPECT_TRUE(dialogs->executedWindows.isEmpty());
  // Afterwards they work again.
  Key(Qt::Key_F3);
  EXPECT_EQ(dialogs->executedWindows, QStringList({"Tfrmfind"}));
}
