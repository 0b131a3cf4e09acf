// An unsaved song survives a kill: it is kept a moment after a change and
// offered back at the next start.
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QSlider>
#include <QTest>

#include "support/main_window_fixture.h"
#include "support/test_files.h"
#include "ui/app/song_recovery.h"

using namespace strumbly;
using strumbly::test::kCMajor;
using strumbly::test::MainWindowTest;

namespace {

class RecoveryTest : public MainWindowTest {
 protected:
  // Leaves the window as a kill would: nothing saved, nothing asked, the
  // recovery file written last.
  void Kill() {
    window->recovery().Flush();
    const QString path = window->recovery().path();
    ASSERT_TRUE(QFile::exists(path));
    QFile::copy(path, path + ".kept");
    window->CloseWithoutQuestions();
    window.reset();
    // The file of a run that ended stays; another process will find it.
    QFile::remove(path);
    QFile::rename(path + ".kept", dir.filePath("state/Strumbly/12345.recovery"));
  }
};

}  // namespace

TEST_F(RecoveryTest, AKilledRunsSongComesBackOnYes) {
  TfrmMain& w = *window;
  Type(kCMajor);
  w.trackbarTempo->setValue(96);
  QTest::qWait(SongRecovery::kDelayMs + 300);  // written within the delay, without a flush
  ASSERT_TRUE(QFile::exists(w.recovery().path()));
  EXPECT_TRUE(test::ReadText(w.recovery().path()).contains(kCMajor));
  Kill();

  dialogs->messageAnswers.push_back(MessageResult::Yes);
  TfrmMain& again = Start();
  again.FormActivate();
  EXPECT_EQ(dialogs->askCaptions, QStringList{"Recover Song"});
  EXPECT_EQ(dialogs->texts().last(), "Strumbly closed without saving the changes to Untitled.sly. Recover them?");
  EXPECT_EQ(again.sheet().Lines(), QStringList{kCMajor});
  EXPECT_EQ(again.trackbarTempo->value(), 96);
  EXPECT_TRUE(again.song().Modified());
  EXPECT_TRUE(again.song().IsUntitled());
  EXPECT_EQ(again.lblChordName->text(), "C");
  EXPECT_FALSE(QFile::exists(dir.filePath("state/Strumbly/12345.recovery")));
}

TEST_F(RecoveryTest, NoDropsTheLeftOverAndSavingRemovesTheFile) {
  TfrmMain& w = *window;
  const QString song = test::WriteSongFile(dir.filePath("blues.sly"), kCMajor);
  w.songFiles().OpenSong(song);
  SetText(QString(kCMajor) + "\n* more");
  Kill();

  dialogs->messageAnswers.push_back(MessageResult::No);
  TfrmMain& again = Start();
  again.FormActivate();
  EXPECT_EQ(dialogs->texts().last(), "Strumbly closed without saving the changes to blues.sly. Recover them?");
  EXPECT_TRUE(again.sheet().Lines().isEmpty());
  EXPECT_FALSE(QFile::exists(dir.filePath("state/Strumbly/12345.recovery")));

  // A saved song leaves nothing to recover.
  again.songFiles().OpenSong(song);
  SetText(QString(kCMajor) + "\n* again");
  again.recovery().Flush();
  ASSERT_TRUE(QFile::exists(again.recovery().path()));
  again.action("Save1")->trigger();
  EXPECT_FALSE(QFile::exists(again.recovery().path()));
}

// The song named on the command line and the recovered one stay apart: the
// question comes, the recovered song keeps its own name, and no song file
// changes until the user saves.
TEST_F(RecoveryTest, ASongOnTheCommandLineAndALeftOverSongStayApart) {
  const QString blues = test::WriteSongFile(dir.filePath("blues12.sly"), kCMajor);
  const QString campfire = test::WriteSongFile(dir.filePath("campfire.sly"), "G, 3, 2, 0, 0, 0, 3, Q");
  const std::string bluesBytes = test::ReadFileBytes(blues), campfireBytes = test::ReadFileBytes(campfire);
  window->songFiles().OpenSong(blues);
  SetText(QString(kCMajor) + "\n* turnaround");
  Kill();

  dialogs->messageAnswers.push_back(MessageResult::Yes);
  TfrmMain& again = Start({campfire});
  EXPECT_EQ(Q(again.song().FileName()), campfire);
  again.FormActivate();
  EXPECT_EQ(dialogs->texts().last(), "Strumbly closed without saving the changes to blues12.sly. Recover them?");
  EXPECT_EQ(again.sheet().Lines(), (QStringList{kCMajor, "* turnaround"}));
  EXPECT_EQ(Q(again.song().FileName()), blues);
  EXPECT_EQ(again.lblFilename->text(), "blues12.sly");
  EXPECT_TRUE(again.song().Modified());
  EXPECT_EQ(test::ReadFileBytes(blues), bluesBytes);
  EXPECT_EQ(test::ReadFileBytes(campfire), campfireBytes);
  // Each path once, the recovered song's first.
  EXPECT_EQ(again.settings().RecentFiles[0], S(blues));
  EXPECT_EQ(again.settings().RecentFiles[1], S(campfire));
  EXPECT_EQ(again.settings().RecentFiles[2], "");

  // Saving writes the recovered song to its own file, without a question.
  const std::size_t asked = dialogs->messages.size();
  again.action("Save1")->trigger();
  EXPECT_EQ(dialogs->messages.size(), asked);
  EXPECT_NE(test::ReadFileBytes(blues).find("* turnaround"), std::string::npos);
  EXPECT_EQ(test::ReadFileBytes(campfire), campfireBytes);

  // On No the song of the command line stays, and so do the files.
  again.songFiles().OpenSong(blues);
  SetText("* lost");
  Kill();
  dialogs->messageAnswers.push_back(MessageResult::No);
  TfrmMain& third = Start({campfire});
  third.FormActivate();
  EXPECT_EQ(Q(third.song().FileName()), campfire);
  EXPECT_EQ(third.sheet().Lines(), QStringList{"G, 3, 2, 0, 0, 0, 3, Q"});
  EXPECT_FALSE(third.song().Modified());
  EXPECT_EQ(test::ReadFileBytes(campfire), campfireBytes);
}

// A recovery file is the user's work: one that cannot be read stays where it
// is, and the user learns where.
TEST_F(RecoveryTest, ALeftOverThatCannotBeReadIsKeptAndTheUserToldWhere) {
  const QString folder = dir.filePath("state/Strumbly");
  QDir().mkpath(folder);
  const QString broken = folder + "/999.recovery";
  test::WriteFileBytes(broken, "written by something else");
  TfrmMain& w = Start();
  w.FormActivate();
  ASSERT_EQ(dialogs->messages.size(), 1u);
  EXPECT_EQ(dialogs->texts().last(),
            "The unsaved changes of an earlier run could not be read. They are kept in " + broken + ".");
  EXPECT_TRUE(QFile::exists(broken));
  EXPECT_TRUE(w.sheet().Lines().isEmpty());
}
