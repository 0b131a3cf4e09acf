#include <QAction>
#include <QFile>
#include <QLabel>
#include <QMenu>

#include "core/app/recent_files.h"
#include "support/main_window_fixture.h"
#include "support/shots.h"
#include "support/test_files.h"
#include "ui/app/recent_files_menu.h"

using namespace strumbly;
using strumbly::test::kCMajor;
using strumbly::test::MainWindowTest;

namespace {

class RecentFilesTest : public MainWindowTest {
 protected:
  // A song file holding one chord line; its path.
  QString MakeSong(const QString& name, const char* line = kCMajor) {
    return test::WriteSongFile(dir.filePath(name), line);
  }
  void Open(const QString& path) {
    dialogs->fileAnswers.push_back(path);
    window->action("Open1")->trigger();
  }
  QAction* Item(int i) const { return window->action(QString("mnuFilename%1").arg(i).toLatin1().constData()); }
  // The paths the menu shows, top to bottom.
  QStringList ShownItems() const {
    QStringList out;
    for (int i = 0; i < kRecentFileCount; ++i)
      if (Item(i)->isVisible()) out << RecentFilesMenu::PathOf(Item(i));
    return out;
  }
  std::array<std::string, kRecentFileCount> List() const { return RecentFiles(window->settings()); }
};

}  // namespace

TEST_F(RecentFilesTest, OpenedSongsHeadTheListAndRepeatsAreHidden) {
  const QString a = MakeSong("a.sly"), b = MakeSong("b.sly");
  EXPECT_FALSE(window->action("FilenameSep")->isVisible());
  EXPECT_TRUE(ShownItems().isEmpty());

  Open(a);
  EXPECT_TRUE(window->action("FilenameSep")->isVisible());
  EXPECT_EQ(ShownItems(), QStringList({a}));
  EXPECT_EQ(Item(0)->text(), a);
  // A, B, A: A moves up; a path is listed once.
  Open(b);
  Open(a);
  EXPECT_EQ(List(), (std::array<std::string, 3>{S(a), S(b), ""}));
  EXPECT_EQ(ShownItems(), QStringList({a, b}));
  Open(a);
  EXPECT_EQ(List(), (std::array<std::string, 3>{S(a), S(b), ""}));
  EXPECT_EQ(ShownItems(), QStringList({a, b}));

  // Save As gives the song another name but leaves the list alone.
  dialogs->fileAnswers.push_back(dir.filePath("c.sly"));
  window->action("SaveAs1")->trigger();
  EXPECT_EQ(List(), (std::array<std::string, 3>{S(a), S(b), ""}));
  // So do New and Save.
  window->action("Save1")->trigger();
  window->action("New1")->trigger();
  EXPECT_EQ(List(), (std::array<std::string, 3>{S(a), S(b), ""}));
  EXPECT_TRUE(dialogs->messages.empty()) << dialogs->texts().join("|").toStdString();
}

TEST_F(RecentFilesTest, ReopeningFromTheMenuOpensTheSongAndKeepsTheOrder) {
  const QString a = MakeSong("a.sly", "Am, x, 0, 2, 2, 1, 0, Q"), b = MakeSong("b.sly", "G, 3, 2, 0, 0, 0, 3, H");
  Open(a);
  Open(b);
  Item(1)->trigger();  // a
  EXPECT_TRUE(dialogs->messages.empty()) << dialogs->texts().join("|").toStdString();
  EXPECT_EQ(Q(window->song().FileName()), a);
  EXPECT_EQ(window->lblFilename->text(), "a.sly");
  EXPECT_EQ(window->sheet().Lines(), QStringList({"Am, x, 0, 2, 2, 1, 0, Q"}));
  EXPECT_EQ(window->lblChordName->text(), "Am");
  EXPECT_EQ(window->sheet().SelStart(), 0);
  EXPECT_EQ(window->sheet().SelLength(), 0);
  EXPECT_FALSE(window->song().Modified());
  EXPECT_EQ(List(), (std::array<std::string, 3>{S(b), S(a), ""}));
}

TEST_F(RecentFilesTest, ReopeningAModifiedSongAsksFirstAndCancelKeepsIt) {
  const QString a = MakeSong("a.sly");
  Open(a);
  window->action("New1")->trigger();
  SetText("G, 3, 2, 0, 0, 0, 3, Q");
  dialogs->messageAnswers.push_back(MessageResult::Cancel);
  Item(0)->trigger();
  ASSERT_EQ(dialogs->messages.size(), 1u);
  EXPECT_EQ(dialogs->messages[0].buttons, MessageButtons::YesNoCancel);
  EXPECT_EQ(window->sheet().Lines(), QStringList({"G, 3, 2, 0, 0, 0, 3, Q"}));
  EXPECT_TRUE(window->song().Modified());
  // No: the changes go, the song opens.
  dialogs->messageAnswers.push_back(MessageResult::No);
  Item(0)->trigger();
  EXPECT_EQ(window->sheet().Lines(), QStringList({kCMajor}));
  EXPECT_FALSE(window->song().Modified());
}

TEST_F(RecentFilesTest, AMissingSongIsReportedAndStaysListed) {
  const QString a = MakeSong("a.sly"), b = MakeSong("b.sly");
  Open(a);
  Open(b);
  ASSERT_TRUE(QFile::remove(a));
  Item(1)->trigger();
  ASSERT_EQ(dialogs->messages.size(), 1u);
  EXPECT_EQ(dialogs->messages[0].kind, MessageKind::Error);
  EXPECT_EQ(dialogs->messages[0].text, a + " doesn't exist!");
  EXPECT_EQ(dialogs->messages[0].buttons, MessageButtons::Ok);
  EXPECT_EQ(Q(window->song().FileName()), b);
  EXPECT_EQ(ShownItems(), QStringList({b, a}));
}

TEST_F(RecentFilesTest, TheListLastsFromRunToRunAndTakesTheCommandLineSong) {
  const QString a = MakeSong("a.sly"), b = MakeSong("b & c.sly");
  Open(a);
  Open(b);
  Restart();
  EXPECT_EQ(ShownItems(), QStringList({b, a}));
  window->File1->popup({0, 0});
  test::SaveShot(test::RenderAt(*window->File1, 1), "recent_files_menu");
  window->File1->hide();
  // An ampersand is part of the name, not the mark of a shortcut letter.
  EXPECT_EQ(Item(0)->text(), QString(b).replace("&", "&&"));
  Item(0)->trigger();
  EXPECT_EQ(Q(window->song().FileName()), b);

  Restart({a});
  EXPECT_EQ(Q(window->song().FileName()), a);
  EXPECT_EQ(ShownItems(), QStringList({a, b}));
  EXPECT_EQ(List(), (std::array<std::string, 3>{S(a), S(b), ""}));
}
