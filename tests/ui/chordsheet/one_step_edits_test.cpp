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

TEST_F(OneStepTest, EachCommandIsTakenBackByOneUndo) {
  TfrmMain& w = *window;
  const QString song = QString(kCMajor) + "\nG, 3, 2, 0, 0, 0, 3, H";
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
      {"neck click on a comment",
       [&] {
         w.sheet().SelectLine(0, false);
         w.sheet().ReplaceLine(0, "* verse");
         QTest::mouseClick(Marker(1, 3), Qt::LeftButton);
       }},
      {"rename",
       [&] {
         w.edtName->setText("Cmaj");
         w.edtNameExit();
       }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Sheet(song, 0);
    const QStringList before = w.sheet().Lines();
    if (std::string(c.what) == "neck click on a comment") {
      // The comment line is part of the test's own setting-up.
      c.command();
      ASSERT_NE(w.sheet().Lines(), QStringList({"* verse", "G, 3, 2, 0, 0, 0, 3, H"}));
      UndoOnce();
      EXPECT_EQ(w.sheet().Lines(), QStringList({"* verse", "G, 3, 2, 0, 0, 0, 3, H"}));
      continue;
    }
    c.command();
    ASSERT_NE(w.sheet().Lines(), before);
    UndoOnce();
    EXPECT_EQ(w.sheet().Lines(), before);
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
