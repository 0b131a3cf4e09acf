// Every editing command is one step of the editor's undo, and the editor's
// other clipboard keys run the program's own clipboard commands.
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "support/main_window_fixture.h"
#include "ui/guitar/neck_marker.h"

using namespace strumbly;
using strumbly::test::kCMajor;
using strumbly::test::MainWindowTest;

namespace {

class OneStepTest : public MainWindowTest {
 protected:
  // One Ctrl+Z through the Edit menu.
  void UndoOnce() { window->action("Undo1")->trigger(); }
};

}  // namespace

// Each command works on line 40 of a long song; Undo takes it back in one
// step and leaves the caret on that line; Redo puts it where the command did.
TEST_F(OneStepTest, EachCommandIsTakenBackByOneUndoOnItsOwnLine) {
  TfrmMain& w = *window;
  constexpr int at = 40;
  QStringList lines;
  for (int i = 0; i < at; ++i) lines << QString("A%1, x, 0, 2, 2, 2, 0, Q").arg(i);
  lines << kCMajor << "G, 3, 2, 0, 0, 0, 3, H";
  for (int i = 0; i < 40; ++i) lines << QString("E%1, 0, 2, 2, 1, 0, 0, Q").arg(i);
  const QString song = lines.join('\n');
  struct Case {
    const char* what;
    std::function<void()> command;
  };
  const Case cases[] = {
      {"Clear", [&] { w.btnClear->click(); }},
      {"transpose up", [&] { w.btnShiftRight->click(); }},
      {"transpose down", [&] { w.btnShiftLeft->click(); }},
      {"Duplicate", [&] { w.btnDup->click(); }},
      {"Rest", [&] { w.btnRest->click(); }},
      {"Delete", [&] { w.btnDelete->click(); }},
      {"eighth note", [&] { w.durationButtons[3]->click(); }},
      {"neck click", [&] { QTest::mouseClick(Marker(6, 5), Qt::LeftButton); }},
      {"neck click on a comment", [&] { QTest::mouseClick(Marker(1, 3), Qt::LeftButton); }},
      {"rename",
       [&] {
         w.edtName->setText("Cmaj");
         w.edtNameExit();
       }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Sheet(song, at);
    if (std::string(c.what) == "neck click on a comment") {
      // The comment line is part of the test's own setting-up.
      w.sheet().ReplaceLine(at, "* verse");
      w.sheet().SelectLine(at, false);
    }
    const QStringList before = w.sheet().Lines();
    c.command();
    const QStringList after = w.sheet().Lines();
    const int changed = w.sheet().CurrentLine();
    ASSERT_NE(after, before);
    UndoOnce();
    EXPECT_EQ(w.sheet().Lines(), before);
    EXPECT_EQ(w.sheet().CurrentLine(), at);
    w.RichEdit1->redo();
    EXPECT_EQ(w.sheet().Lines(), after);
    // Redo leaves the caret on the changed line; Duplicate's new line is the
    // upper copy, the command itself goes on to the lower one.
    EXPECT_NEAR(w.sheet().CurrentLine(), changed, std::string(c.what) == "Duplicate" ? 1 : 0);
  }
  EXPECT_TRUE(dialogs->messages.empty());
}

TEST_F(OneStepTest, TheOtherClipboardKeysRunTheProgramsCommands) {
  TfrmMain& w = *window;
  ShowAndActivate();
  Sheet(QString(kCMajor) + "\nAm, x, 0, 2, 2, 1, 0, Q", 1);
  // Ctrl+Insert copies the selection.
  w.sheet().SelectLine(0, true);
  Key(Qt::Key_Insert, Qt::ControlModifier);
  EXPECT_TRUE(QApplication::clipboard()->text().startsWith(kCMajor));
  // Shift+Insert pastes in front of the selection, replacing nothing.
  w.sheet().SelectLine(1, true);
  Key(Qt::Key_Insert, Qt::ShiftModifier);
  const QString joined = QString(kCMajor) + "Am, x, 0, 2, 2, 1, 0, Q";
  EXPECT_EQ(w.sheet().Lines(), QStringList({kCMajor, joined}));
  // Shift+Delete cuts, and the line under the caret is shown again.
  w.lblChordName->setText("stale");
  w.sheet().SelectLine(0, true);
  Key(Qt::Key_Delete, Qt::ShiftModifier);
  EXPECT_EQ(w.sheet().Lines(), QStringList({"", joined}));
  EXPECT_EQ(w.lblChordName->text(), "No Chord  -  Blank Line");
  EXPECT_EQ(QApplication::clipboard()->text(), kCMajor);
}

TEST_F(OneStepTest, TheNameBoxRefusesACommaAndRenamesOnEnter) {
  TfrmMain& w = *window;
  Sheet(kCMajor, 0);
  w.edtName->setText("C, add9");
  w.edtNameExit();
  EXPECT_EQ(w.sheet().Line(0), kCMajor);  // the line keeps its fields
  EXPECT_EQ(w.edtName->text(), "C");
  ASSERT_EQ(dialogs->messages.size(), 1u);
  EXPECT_EQ(dialogs->messages[0].kind, MessageKind::Warning);
  EXPECT_EQ(dialogs->messages[0].text, "A chord name cannot contain a comma.");

  w.edtName->setText("Cadd9");
  QTest::keyClick(w.edtName, Qt::Key_Return);
  EXPECT_EQ(w.sheet().Line(0), "Cadd9, x, 3, 2, 0, 1, 0, Q");
  EXPECT_EQ(w.lblChordName->text(), "Cadd9");
  // The rename is one step, and applying the same name again adds none.
  w.edtNameExit();
  UndoOnce();
  EXPECT_EQ(w.sheet().Line(0), kCMajor);
}
