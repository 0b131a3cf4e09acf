// The order of the system calls in a safe save, faults injected into them,
// read-only targets and the temporary files of killed saves.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/time.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QPainter>
#include <QPrinter>
#include <QTemporaryDir>
#include <cerrno>
#include <cstdio>
#include <map>

#include "platform/command_error.h"
#include "platform/file_operations.h"
#include "platform/printing/tab_printer.h"
#include "platform/song_io.h"
#include "support/test_files.h"

using namespace strumbly;

namespace {

// Passes every call to the system and notes it by what it acts on: the
// temporary file, the folder or the target. One call can be made to fail.
class RecordingOperations : public FileOperations {
 public:
  std::vector<std::string> log;
  std::string failing;  // e.g. "rename"; that call returns -1 with failError
  int failError = EIO;

  int Open(const char* path, int flags, mode_t mode) override {
    if (Fails(flags & O_DIRECTORY ? "open folder" : "open temp")) return -1;
    const int fd = FileOperations::Open(path, flags, mode);
    if (fd >= 0) kinds_[fd] = flags & O_DIRECTORY ? "folder" : "temp";
    log.push_back(flags & O_DIRECTORY ? "open folder" : "open temp");
    return fd;
  }
  ssize_t Write(int fd, const void* data, std::size_t size) override {
    if (Fails("write")) return -1;
    // Small pieces, so that a loop that stops early loses text.
    const ssize_t n = FileOperations::Write(fd, data, std::min<std::size_t>(size, 7));
    if (log.empty() || log.back() != "write " + kinds_[fd]) log.push_back("write " + kinds_[fd]);
    return n;
  }
  int Fsync(int fd) override {
    log.push_back("fsync " + kinds_[fd]);
    if (Fails("fsync " + kinds_[fd])) return -1;
    return FileOperations::Fsync(fd);
  }
  int Close(int fd) override {
    log.push_back("close " + kinds_[fd]);
    const std::string kind = kinds_[fd];
    kinds_.erase(fd);
    const int rc = FileOperations::Close(fd);
    if (Fails("close " + kind)) return -1;
    return rc;
  }
  int Rename(const char* from, const char* to) override {
    log.push_back("rename");
    if (Fails("rename")) return -1;
    return FileOperations::Rename(from, to);
  }
  int Unlink(const char* path) override {
    log.push_back("unlink");
    return FileOperations::Unlink(path);
  }

 private:
  bool Fails(const std::string& call) {
    if (call != failing) return false;
    errno = failError;
    return true;
  }
  std::map<int, std::string> kinds_;
};

QStringList Entries(const QString& folder) {
  return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
}

// A process number that belonged to a process that has ended.
long DeadPid() {
  const pid_t pid = fork();
  if (pid == 0) _exit(0);
  waitpid(pid, nullptr, 0);
  return pid;
}

const std::string kOld = "*Info 1: old\r\nC, x, 3, 2, 0, 1, 0, Q\r\n";
const std::string kNew = "*Info 1: new\r\nG, 3, 2, 0, 0, 0, 3, Q\r\nD, x, x, 0, 2, 3, 2, H\r\n";

}  // namespace

TEST(SafeSave, TheNewTextReachesTheDiskBeforeItReplacesTheOldAndTheRenameIsFlushedAfter) {
  QTemporaryDir dir;
  const QString path = dir.filePath("song.sly");
  test::WriteFileBytes(path, kOld);
  RecordingOperations ops;
  WriteFileSafely(path, kNew, ops);
  const std::vector<std::string> expected = {"open temp", "write temp",  "fsync temp",   "close temp",
                                             "rename",    "open folder", "fsync folder", "close folder"};
  EXPECT_EQ(ops.log, expected);
  EXPECT_EQ(test::ReadFileBytes(path), kNew);
  EXPECT_EQ(Entries(dir.path()), QStringList{"song.sly"});
}

TEST(SafeSave, EveryFailedStepRemovesTheTemporaryAndKeepsTheOldFile) {
  struct Case {
    std::string failing;
    int error;
    QString message;
  };
  const Case cases[] = {{"write", ENOSPC, "Disk full"},
                        {"fsync temp", EIO, "I/O error 5"},
                        {"close temp", EDQUOT, "Disk full"},
                        {"rename", EXDEV, "I/O error 18"},
                        {"rename", EACCES, "File access denied"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.failing);
    QTemporaryDir dir;
    const QString path = dir.filePath("song.sly");
    test::WriteFileBytes(path, kOld);
    RecordingOperations ops;
    ops.failing = c.failing;
    ops.failError = c.error;
    EXPECT_EQ(test::CommandErrorOf([&] { WriteFileSafely(path, kNew, ops); }), c.message);
    EXPECT_EQ(test::ReadFileBytes(path), kOld);
    EXPECT_EQ(Entries(dir.path()), QStringList{"song.sly"});
    ASSERT_FALSE(ops.log.empty());
    EXPECT_EQ(ops.log.back(), "unlink");
    // Nothing replaces the old file once a step before the rename failed.
    if (c.failing != "rename") {
      EXPECT_EQ(std::count(ops.log.begin(), ops.log.end(), "rename"), 0);
    }
  }
}

TEST(SafeSave, AFailedFolderFlushAfterTheRenameKeepsTheNewFile) {
  QTemporaryDir dir;
  const QString path = dir.filePath("song.sly");
  RecordingOperations ops;
  ops.failing = "fsync folder";
  WriteFileSafely(path, kNew, ops);
  EXPECT_EQ(test::ReadFileBytes(path), kNew);
}

TEST(SafeSave, AReadOnlySongIsRefusedAndKept) {
  QTemporaryDir dir;
  const QString path = dir.filePath("song.sly");
  test::WriteFileBytes(path, kOld);
  ASSERT_EQ(::chmod(QFile::encodeName(path).constData(), 0444), 0);
  EXPECT_EQ(test::CommandErrorOf([&] { WriteFileSafely(path, kNew); }), "File access denied: " + path);
  EXPECT_EQ(test::ReadFileBytes(path), kOld);
  EXPECT_EQ(Entries(dir.path()), QStringList{"song.sly"});
  struct stat st {};
  ::stat(QFile::encodeName(path).constData(), &st);
  EXPECT_EQ(st.st_mode & 07777, 0444u);
}

TEST(SafeSave, TheReplacementKeepsTheOldFilesMode) {
  QTemporaryDir dir;
  const QString path = dir.filePath("song.sly");
  for (mode_t mode : {0600u, 0644u, 0660u, 0755u}) {
    test::WriteFileBytes(path, kOld);
    ASSERT_EQ(::chmod(QFile::encodeName(path).constData(), mode), 0);
    WriteFileSafely(path, kNew);
    struct stat st {};
    ::stat(QFile::encodeName(path).constData(), &st);
    EXPECT_EQ(st.st_mode & 07777, mode);
  }
}

TEST(SafeSave, TemporariesOfEndedSavesGoAtTheNextSaveAndOthersStay) {
  QTemporaryDir dir;
  const long dead = DeadPid();
  const QString deadSong = QString::fromStdString(TemporaryName("song.sly", dead, 0));
  const QString deadOther = QString::fromStdString(TemporaryName("other.sly", dead, 7));
  const QString alive = QString::fromStdString(TemporaryName("song.sly", ::getppid(), 1));
  const QStringList kept = {".hidden.tmp", ".song.sly.12x.1.tmp", "notes.tmp", alive};
  for (const QString& name : kept + QStringList{deadSong, deadOther})
    test::WriteFileBytes(dir.filePath(name), "partial");
  // Written an hour ago, as by a save that was killed.
  for (const QString& name : Entries(dir.path())) {
    const struct timeval hourAgo[2] = {{time(nullptr) - 3600, 0}, {time(nullptr) - 3600, 0}};
    ASSERT_EQ(utimes(QFile::encodeName(dir.filePath(name)).constData(), hourAgo), 0);
  }
  // A fresh file may be another process's save in progress.
  const QString fresh = QString::fromStdString(TemporaryName("song.sly", dead, 9));
  test::WriteFileBytes(dir.filePath(fresh), "being written");
  // A folder of a matching name is not ours to remove.
  const QString folder = QString::fromStdString(TemporaryName("box", dead, 2));
  QDir(dir.path()).mkdir(folder);

  WriteFileSafely(dir.filePath("song.sly"), kNew);
  QStringList expected = kept + QStringList{folder, fresh, "song.sly"};
  expected.sort();
  QStringList got = Entries(dir.path());
  got.sort();
  EXPECT_EQ(got, expected);
}

TEST(SafeSave, TemporaryNamesAreRecognised) {
  EXPECT_EQ(TemporaryOwner(TemporaryName("song.sly", 4242, 3)), 4242);
  EXPECT_EQ(TemporaryOwner(".a.b.c.sly.17.0.tmp"), 17);
  EXPECT_EQ(TemporaryOwner("song.sly.17.0.tmp"), std::nullopt);  // not hidden
  EXPECT_EQ(TemporaryOwner("..17.0.tmp"), std::nullopt);         // no name
  EXPECT_EQ(TemporaryOwner(".song.sly.17.tmp"), std::nullopt);   // no serial
  EXPECT_EQ(TemporaryOwner(".song.sly.0.1.tmp"), std::nullopt);  // no process 0
  EXPECT_EQ(TemporaryOwner(".song.sly.-5.1.tmp"), std::nullopt);
  EXPECT_EQ(TemporaryOwner(".song.sly.99999999999999.1.tmp"), std::nullopt);
  EXPECT_EQ(TemporaryOwner(".song.sly.17.1.tmp~"), std::nullopt);
}

TEST(SafeSave, ANameCollisionIsAReadableMessage) {
  QTemporaryDir dir;
  RecordingOperations ops;
  ops.failing = "open temp";
  ops.failError = EEXIST;
  const QString message = test::CommandErrorOf([&] { WriteFileSafely(dir.filePath("song.sly"), kNew, ops); });
  EXPECT_TRUE(message.startsWith("Cannot create file " + dir.filePath(".song.sly."))) << message.toStdString();
  EXPECT_TRUE(message.endsWith(": a file of that name is already there.")) << message.toStdString();
  EXPECT_FALSE(message.contains("I/O error"));
}

TEST(SafeSave, TargetsThatAreNotRegularFilesAreRefusedAndLeftAlone) {
  QTemporaryDir dir;
  auto name = [](const QString& path) { return QFile::encodeName(path); };
  struct Case {
    QString path;
    QString reason;
    mode_t type;
  };
  std::vector<Case> cases;
  QDir(dir.path()).mkdir("folder.sly");
  cases.push_back({dir.filePath("folder.sly"), "it is a folder", S_IFDIR});
  const QString fifo = dir.filePath("fifo.sly");
  ASSERT_EQ(::mkfifo(name(fifo).constData(), 0600), 0);
  cases.push_back({fifo, "it is a named pipe, not a regular file", S_IFIFO});
  // A link counts as what it leads to.
  ASSERT_TRUE(QFile::link(fifo, dir.filePath("link.sly")));
  cases.push_back({dir.filePath("link.sly"), "it is a named pipe, not a regular file", S_IFLNK});
  // A device of its own (the null device's numbers), where the system lets
  // us make one.
  const QString device = dir.filePath("null.sly");
  if (::mknod(name(device).constData(), S_IFCHR | 0666, makedev(1, 3)) == 0)
    cases.push_back({device, "it is a device, not a regular file", S_IFCHR});
  else
    std::printf("[  NOTE    ] no device target: mknod is not permitted here\n");
  const QStringList before = Entries(dir.path());
  for (const Case& c : cases) {
    SCOPED_TRACE(c.path.toStdString());
    try {
      WriteFileSafely(c.path, kNew);
      ADD_FAILURE() << "saved";
    } catch (const SaveError& e) {
      EXPECT_EQ(e.text(), "Cannot save " + c.path + ": " + c.reason + ".");
      EXPECT_EQ(e.reason(), c.reason);
    }
    struct stat st {};
    ASSERT_EQ(::lstat(name(c.path).constData(), &st), 0);
    EXPECT_EQ(st.st_mode & S_IFMT, c.type);
  }
  EXPECT_EQ(Entries(dir.path()), before);  // nothing made, nothing left
}

// Printing to a PDF file: the pages are saved as every file is, so a full
// disk leaves the old PDF whole and says so.
TEST(SafeSave, APdfPrintThatFailsKeepsTheOldPdfAndTellsWhy) {
  QTemporaryDir dir;
  const QString path = dir.filePath("song.pdf");
  test::WriteFileBytes(path, "%PDF the old one");
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(path);
  auto page = [](QPagedPaintDevice& device) {
    QPainter painter;
    if (!painter.begin(&device)) return false;
    painter.drawText(100, 100, "C, x, 3, 2, 0, 1, 0, Q");
    return painter.end();
  };
  RecordingOperations ops;
  ops.failing = "write";
  ops.failError = ENOSPC;
  EXPECT_EQ(test::CommandErrorOf([&] { PrintPages(printer, page, ops); }),
            "Cannot create file " + path + ": Disk full");
  EXPECT_EQ(test::ReadFileBytes(path), "%PDF the old one");
  EXPECT_EQ(Entries(dir.path()), QStringList{"song.pdf"});
  PrintPages(printer, page);
  EXPECT_TRUE(test::ReadFileBytes(path).starts_with("%PDF-"));
  EXPECT_EQ(Entries(dir.path()), QStringList{"song.pdf"});
}
