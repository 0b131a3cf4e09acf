#include "platform/song_io.h"
#include "support/test_files.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include "core/app/song_names.h"
#include "platform/command_error.h"

using namespace strumbly;

namespace {

QStringList Entries(const QString& folder) {
  return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
}

// Runs the save in a child process whose file size limit lets only part of
// the new file reach the disk. Returns the child's wait status.
int SaveInLimitedChild(const QString& path, const std::string& bytes, bool killedAtLimit) {
  const pid_t pid = fork();
  if (pid == 0) {
    struct rlimit core {
      0, 0
    };
    setrlimit(RLIMIT_CORE, &core);
    struct rlimit size {
      4096, 4096
    };
    setrlimit(RLIMIT_FSIZE, &size);
    // Crossing the limit kills the process, as a crash or a kill in the middle
    // of the save would; ignored, the write fails instead.
    signal(SIGXFSZ, killedAtLimit ? SIG_DFL : SIG_IGN);
    try {
      WriteFileSafely(path, bytes);
    } catch (const CommandError& e) {
      _exit(e.text() == "Disk full" ? 3 : 4);
    }
    _exit(0);
  }
  int status = 0;
  waitpid(pid, &status, 0);
  return status;
}

}  // namespace

TEST(SongIo, WritesAndReadsBackAndKeepsPermissions) {
  QTemporaryDir dir;
  const QString path = dir.filePath("song.sly");
  test::WriteFileBytes(path, "old");
  ::chmod(QFile::encodeName(path).constData(), 0640);
  WriteFileSafely(path, "new\r\ntext\r\n");
  EXPECT_EQ(ReadSongFile(path), "new\r\ntext\r\n");
  struct stat st {};
  ::stat(QFile::encodeName(path).constData(), &st);
  EXPECT_EQ(st.st_mode & 0777, 0640u);
  EXPECT_EQ(Entries(dir.path()), QStringList{"song.sly"});  // no temporary file left
}

TEST(SongIo, ALinkedSongIsReplacedWhereItLives) {
  QTemporaryDir dir;
  QDir(dir.path()).mkdir("real");
  const QString real = dir.filePath("real/song.sly");
  test::WriteFileBytes(real, "old");
  const QString link = dir.filePath("link.sly");
  ASSERT_TRUE(QFile::link(real, link));
  WriteFileSafely(link, "new");
  EXPECT_TRUE(QFileInfo(link).isSymLink());
  EXPECT_EQ(test::ReadFileBytes(real), "new");
}

TEST(SongIo, AFolderThatVanishedIsReported) {
  QTemporaryDir dir;
  EXPECT_EQ(test::CommandErrorOf([&] { WriteFileSafely(dir.filePath("gone/song.sly"), "x"); }), "File not found");
  QDir(dir.path()).mkdir("folder.sly");
  EXPECT_EQ(test::CommandErrorOf([&] { WriteFileSafely(dir.filePath("folder.sly"), "x"); }),
            "Cannot save " + dir.filePath("folder.sly") + ": it is a folder.");
}

TEST(SongIo, AWriteThatFailsHalfWayLeavesTheOldFileWhole) {
  QTemporaryDir dir;
  const QString path = dir.filePath("song.sly");
  const std::string old = "*Info 1: old song\r\nC, x, 3, 2, 0, 1, 0, Q\r\n";
  test::WriteFileBytes(path, old);
  const int status = SaveInLimitedChild(path, std::string(1 << 20, 'n'), false);
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 3);  // reported as "Disk full"
  EXPECT_EQ(test::ReadFileBytes(path), old);
  EXPECT_EQ(Entries(dir.path()), QStringList{"song.sly"});
}

TEST(SongIo, AProgramKilledInTheMiddleOfASaveLeavesTheOldFileWhole) {
  QTemporaryDir dir;
  const QString path = dir.filePath("song.sly");
  const std::string old = "*Info 1: old song\r\nC, x, 3, 2, 0, 1, 0, Q\r\n";
  test::WriteFileBytes(path, old);
  const int status = SaveInLimitedChild(path, std::string(1 << 20, 'n'), true);
  ASSERT_TRUE(WIFSIGNALED(status));
  EXPECT_EQ(WTERMSIG(status), SIGXFSZ);
  EXPECT_EQ(test::ReadFileBytes(path), old);
  // The partial new text is only in a hidden file beside it.
  for (const QString& name : Entries(dir.path())) {
    if (name != "song.sly") {
      EXPECT_TRUE(name.startsWith(".song.sly.")) << name.toStdString();
    }
  }
}

TEST(SongIo, FilesThatCannotBeReadAreReportedWithoutHanging) {
  QTemporaryDir dir;
  EXPECT_EQ(test::CommandErrorOf([&] { ReadSongFile(dir.filePath("none.sly")); }),
            "Cannot open file " + dir.filePath("none.sly"));
  QDir(dir.path()).mkdir("folder.sly");
  EXPECT_EQ(test::CommandErrorOf([&] { ReadSongFile(dir.filePath("folder.sly")); }),
            "Cannot open file " + dir.filePath("folder.sly"));
  const QString fifo = dir.filePath("pipe.sly");
  ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
  EXPECT_EQ(test::CommandErrorOf([&] { ReadSongFile(fifo); }), "Cannot open file " + fifo);
}

TEST(SongIo, FilesOverTheLimitAreRefused) {
  QTemporaryDir dir;
  const QString path = dir.filePath("big.sly");
  {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    ASSERT_TRUE(f.resize(static_cast<qint64>(kMaxSongFileBytes) + 1));  // sparse, no disk used
  }
  EXPECT_EQ(test::CommandErrorOf([&] { ReadSongFile(path); }),
            "Cannot open file " + path + ": it holds 65 MB, and songs can be at most 64 MB.");
  EXPECT_EQ(ReadOwnFile(path).size(), kMaxSongFileBytes + 1);  // the program's own files have no bound
  {
    QFile f(path);
    ASSERT_TRUE(f.resize(static_cast<qint64>(kMaxSongFileBytes)));
  }
  EXPECT_EQ(ReadSongFile(path).size(), kMaxSongFileBytes);
}

TEST(SongIo, TheChosenNameFindsItsSongFile) {
  QTemporaryDir dir;
  test::WriteFileBytes(dir.filePath("song.sly"), "a");
  test::WriteFileBytes(dir.filePath("song.txt"), "b");
  EXPECT_EQ(FindSongFile(dir.filePath("song.txt")), dir.filePath("song.sly"));
  EXPECT_EQ(FindSongFile(dir.filePath("song")), dir.filePath("song.sly"));
  // Names whose letter case differs from ".sly".
  test::WriteFileBytes(dir.filePath("LOUD.SLY"), "c");
  EXPECT_EQ(FindSongFile(dir.filePath("LOUD.SLY")), dir.filePath("LOUD.SLY"));
  test::WriteFileBytes(dir.filePath("Mixed.Sly"), "d");
  test::WriteFileBytes(dir.filePath("Mixed.txt"), "e");
  EXPECT_EQ(FindSongFile(dir.filePath("Mixed.txt")), dir.filePath("Mixed.Sly"));
  // A text file without a song beside it is not opened.
  test::WriteFileBytes(dir.filePath("notes.txt"), "f");
  EXPECT_EQ(FindSongFile(dir.filePath("notes.txt")), std::nullopt);
  EXPECT_EQ(FindSongFile(dir.filePath("missing/x.sly")), std::nullopt);
}

TEST(SongIo, DevicesAreRefusedWithoutReadingThem) {
  for (const QString device : {"/dev/zero", "/dev/null", "/dev/urandom"})
    EXPECT_EQ(test::CommandErrorOf([&] { ReadSongFile(device); }), "Cannot open file " + device);
}
