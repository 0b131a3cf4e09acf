// Start-up makes the file manager open song files with the program when
// "Associate files" is on.
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QTest>
#include <optional>

#include "core/app/file_association_text.h"
#include "support/environment_scope.h"
#include "support/main_window_fixture.h"
#include "support/test_files.h"

using namespace strumbly;
using strumbly::test::EnvironmentScope;
using strumbly::test::MainWindowTest;
using strumbly::test::ReadText;
using strumbly::test::WriteSongFile;

namespace {

class AssociationStartupTest : public MainWindowTest {
 protected:
  QTemporaryDir xdg;
  std::optional<EnvironmentScope> data, config;
  QString dataHome() const { return xdg.filePath("data"); }
  QString desktopFile() const { return dataHome() + "/applications/strumbly.desktop"; }
  QString mimeapps() const { return xdg.filePath("config/mimeapps.list"); }

  void SetUp() override {
    data.emplace("XDG_DATA_HOME", dataHome());
    config.emplace("XDG_CONFIG_HOME", xdg.filePath("config"));
    MainWindowTest::SetUp();
  }
  void TearDown() override {
    MainWindowTest::TearDown();
    config.reset();
    data.reset();
  }
};

}  // namespace

TEST_F(AssociationStartupTest, StartUpRegistersTheRunningProgramForSongFiles) {
  QTest::qWait(1);
  EXPECT_TRUE(dialogs->messages.empty()) << dialogs->texts().join("|").toStdString();
  const QString exec = "Exec=" + Q(DesktopExecArgument(S(QCoreApplication::applicationFilePath()))) + " %f";
  EXPECT_TRUE(ReadText(desktopFile()).contains(exec)) << ReadText(desktopFile()).toStdString();
  EXPECT_TRUE(ReadText(mimeapps()).contains("application/x-strumbly=strumbly.desktop;"));
  EXPECT_TRUE(QFile::exists(dataHome() + "/mime/packages/strumbly.xml"));
}

TEST_F(AssociationStartupTest, SwitchedOffNothingIsWrittenAndNothingRemoved) {
  window->settings().Associate = false;
  ASSERT_TRUE(QFile::remove(desktopFile()));
  Restart();
  EXPECT_FALSE(QFile::exists(desktopFile()));
  EXPECT_TRUE(ReadText(mimeapps()).contains("application/x-strumbly=strumbly.desktop;"));
}

TEST_F(AssociationStartupTest, AFailureIsReportedAndStartUpGoesOn) {
  const QString songPath = WriteSongFile(dir.filePath("song.sly"), test::kCMajor);
  ASSERT_TRUE(QDir(dataHome()).removeRecursively());
  QFile blocker(dataHome());  // a file where the data folder belongs
  ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
  blocker.close();

  TfrmMain& w = Start({songPath});
  QTest::qWait(1);
  // (The chord dictionary's folder is blocked too, and says so.)
  EXPECT_TRUE(dialogs->texts().contains("Failed to create key " + dataHome() + "/mime/packages"));
  ASSERT_FALSE(dialogs->messages.empty());
  EXPECT_EQ(dialogs->messages[0].kind, MessageKind::Error);
  // The rest of the start-up ran: the song opened and heads the recent list.
  EXPECT_EQ(w.lblFilename->text(), "song.sly");
  EXPECT_EQ(w.lblChordName->text(), "C");
  EXPECT_EQ(w.settings().RecentFiles[0], S(songPath));
}
