#include "platform/recovery_store.h"

#include "core/app/song_names.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

using namespace strumbly;

namespace {

RecoveredSong Song(const std::string& name) {
  RecoveredSong song;
  song.fileName = name;
  song.tempo = 88;
  song.lines = {"G, 3, 2, 0, 0, 0, 3, Q", "", "C, x, 3, 2, 0, 1, 0, H"};
  return song;
}

// A child process that saves a song and then waits to be killed; returns its
// process number once the file is written.
pid_t RunThatSavesAndWaits(const QString& folder) {
  int ready[2];
  if (pipe(ready) != 0) return -1;
  const pid_t pid = fork();
  if (pid == 0) {
    RecoveryStore store(folder);
    store.Save(Song("/songs/other.sly"));
    (void)!write(ready[1], "x", 1);
    for (;;) pause();
  }
  char c;
  (void)!read(ready[0], &c, 1);
  close(ready[0]);
  close(ready[1]);
  return pid;
}

}  // namespace

TEST(RecoveryStore, TheFolderFollowsXdgStateHome) {
  const QByteArray old = qgetenv("XDG_STATE_HOME");
  qputenv("XDG_STATE_HOME", "/state/here");
  EXPECT_EQ(DefaultRecoveryFolder(), "/state/here/Strumbly");
  qputenv("XDG_STATE_HOME", "relative/state");  // not absolute: ignored
  EXPECT_EQ(DefaultRecoveryFolder(), QDir::homePath() + "/.local/state/Strumbly");
  qunsetenv("XDG_STATE_HOME");
  EXPECT_EQ(DefaultRecoveryFolder(), QDir::homePath() + "/.local/state/Strumbly");
  qputenv("XDG_STATE_HOME", old);
}

TEST(RecoveryStore, ThisRunsSongIsWrittenReadAndRemovedButNeverOfferedAsLeftOver) {
  QTemporaryDir dir;
  const QString folder = dir.filePath("state/Strumbly");  // made when missing
  RecoveryStore store(folder);
  store.Save(Song("/songs/blues.sly"));
  EXPECT_EQ(RecoveryStore::Load(store.path()), Song("/songs/blues.sly"));
  EXPECT_EQ(store.FindLeftOver(), std::nullopt);
  store.Save(Song("/songs/second.sly"));  // replaced, not added
  EXPECT_EQ(RecoveryStore::Load(store.path())->fileName, "/songs/second.sly");
  store.Remove();
  EXPECT_FALSE(QFile::exists(store.path()));
  EXPECT_EQ(RecoveryStore::Load(store.path()), std::nullopt);
}

TEST(RecoveryStore, ASongOfAKilledRunIsFoundOnlyOnceThatRunHasEnded) {
  QTemporaryDir dir;
  RecoveryStore store(dir.path());
  EXPECT_EQ(store.FindLeftOver(), std::nullopt);
  const pid_t other = RunThatSavesAndWaits(dir.path());
  ASSERT_GT(other, 0);
  // Another window that still runs keeps its song.
  EXPECT_EQ(store.FindLeftOver(), std::nullopt);
  kill(other, SIGKILL);
  waitpid(other, nullptr, 0);
  const std::optional<QString> left = store.FindLeftOver();
  ASSERT_TRUE(left);
  EXPECT_EQ(RecoveryStore::Load(*left), Song("/songs/other.sly"));
  RecoveryStore::Remove(*left);
  EXPECT_EQ(store.FindLeftOver(), std::nullopt);
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{});
}

TEST(RecoveryStore, AFileLeftBehindWhoseProcessNumberIsInUseIsStillFound) {
  QTemporaryDir dir;
  // As after a power cut: the file names a running process (the parent of
  // this test), but no lock is held for it.
  const QString path = dir.filePath(QString::number(getppid()) + ".recovery");
  QFile f(path);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write(QByteArray::fromStdString(FormatRecovery(Song("/songs/cut.sly"))));
  f.close();
  QFile lock(dir.filePath(QString::number(getppid()) + ".lock"));
  ASSERT_TRUE(lock.open(QIODevice::WriteOnly));
  lock.close();
  RecoveryStore store(dir.path());
  EXPECT_EQ(store.FindLeftOver(), path);
}

TEST(RecoveryStore, ASongLargerThanASongFileMayBeIsReadBackWhole) {
  QTemporaryDir dir;
  RecoveryStore store(dir.path());
  RecoveredSong large = Song("/songs/long.sly");
  large.lines.assign(kMaxSongFileBytes / 4096 + 1, std::string(4095, 'x'));
  store.Save(large);
  EXPECT_EQ(RecoveryStore::Load(store.path()), large);
}
