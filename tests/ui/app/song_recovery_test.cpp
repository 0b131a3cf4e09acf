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
