#include "platform/song_io.h"

#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <atomic>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <ctime>
#include <limits>

#include "core/app/song_names.h"
#include "platform/command_error.h"
#include "platform/file_operations.h"

namespace strumbly {

namespace {

QString Text(const std::string& s) { return QString::fromStdString(s); }

class Descriptor {
 public:
  explicit Descriptor(int fd = -1) : fd_(fd) {}
  ~Descriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
  int get() const { return fd_; }

 private:
  int fd_;
};

// A link names the file to replace; everything else stands for itself.
std::string TargetOf(const std::string& path) {
  struct stat st {};
  if (::lstat(path.c_str(), &st) == 0 && S_ISLNK(st.st_mode)) {
    if (char* real = ::realpath(path.c_str(), nullptr)) {
      std::string target(real);
      std::free(real);
      return target;
    }
  }
  return path;
}

}  // namespace

namespace {

std::string ReadRegularFile(const QString& path, std::uint64_t limit) {
  const QByteArray name = QFile::encodeName(path);
  const QString cannotOpen = "Cannot open file " + path;
  // Only a regular file is opened: opening some devices has effects of its
  // own (a tape rewinds), and a pipe may never end.
  struct stat named {};
  if (::stat(name.constData(), &named) != 0 || !S_ISREG(named.st_mode)) throw CommandError(cannotOpen);
  // Non-blocking, so that a pipe or a device put there since does not hold
  // the program up; checked again below.
  Descriptor fd(::open(name.constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
  if (fd.get() < 0) throw CommandError(cannotOpen);
  struct stat st {};
  if (::fstat(fd.get(), &st) != 0 || !S_ISREG(st.st_mode)) throw CommandError(cannotOpen);
  const auto size = static_cast<std::uint64_t>(st.st_size);
  if (size > limit) throw CommandError(Text(TooLargeMessage(path.toStdString(), size)));
  std::string bytes;
  bytes.resize(static_cast<std::size_t>(size));
  std::size_t got = 0;
  while (true) {
    if (got == bytes.size()) {
      // The file may have grown since it was measured; read on to its end
      // but never past the limit.
      if (bytes.size() > limit) break;
      bytes.resize(static_cast<std::size_t>(std::min<std::uint64_t>(bytes.size() + 65536, limit + 1)));
    }
    const ssize_t n = ::read(fd.get(), bytes.data() + got, bytes.size() - got);
    if (n < 0) {
      if (errno == EINTR) continue;
      throw CommandError(cannotOpen);
    }
    if (n == 0) break;
    got += static_cast<std::size_t>(n);
  }
  if (got > limit) throw CommandError(Text(TooLargeMessage(path.toStdString(), got)));
  bytes.resize(got);
  return bytes;
}

}  // namespace

std::string ReadSongFile(const QString& path) { return ReadRegularFile(path, kMaxSongFileBytes); }

// No bound but what memory holds: the program held the same bytes when it
// wrote them.
std::string ReadOwnFile(const QString& path) {
  return ReadRegularFile(path, std::numeric_limits<std::ptrdiff_t>::max() / 2);
}

std::optional<FileStamp> StampOfFile(const QString& path) {
  struct stat st {};
  if (::stat(QFile::encodeName(path).constData(), &st) != 0) return std::nullopt;
  return FileStamp{static_cast<std::int64_t>(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec,
                   static_cast<std::int64_t>(st.st_size)};
}

void WriteFileSafely(const QString& path, std::string_view bytes) {
  WriteFileSafely(path, bytes, SystemFileOperations());
}

void WriteFileSafely(const QString& path, std::string_view bytes, FileOperations& ops, DiskSync sync) {
  SafeSave save(path, ops, sync);
  save.Write(bytes);
  save.Commit();
}

std::string NotARegularFileReason(const std::string& path) {
  struct stat st {};
  // A link counts as what it leads to; a missing file or a dangling link
  // is made anew.
  if (::stat(path.c_str(), &st) != 0 || S_ISREG(st.st_mode)) return {};
  if (S_ISDIR(st.st_mode)) return "it is a folder";
  if (S_ISFIFO(st.st_mode)) return "it is a named pipe, not a regular file";
  if (S_ISCHR(st.st_mode) || S_ISBLK(st.st_mode)) return "it is a device, not a regular file";
  if (S_ISSOCK(st.st_mode)) return "it is a socket, not a regular file";
  return "it is not a regular file";
}

SafeSave::SafeSave(const QString& path, DiskSync sync) : SafeSave(path, SystemFileOperations(), sync) {}

SafeSave::SafeSave(const QString& path, FileOperations& ops, DiskSync sync) : ops_(ops), sync_(sync) {
  target_ = TargetOf(QFile::encodeName(path).toStdString());
  folder_ = FolderOf(target_);
  if (folder_.empty()) folder_ = ".";
  const std::string name = FileNameOf(target_);
  if (name.empty()) Fail(EISDIR);

  // Only a regular file is replaced: renaming over a device or a named pipe
  // would put a file where the system or another program expects them, and
  // writing into one has effects of its own.
  const std::string refused = NotARegularFileReason(target_);
  if (!refused.empty()) {
    const QString reason = Text(refused);
    throw SaveError("Cannot save " + path + ": " + reason + ".", reason);
  }
  struct stat old {};
  const bool replacing = ::stat(target_.c_str(), &old) == 0;
  // Renaming over a file needs only the folder's permission, so a file the
  // user may not write (or marked read-only, which even the superuser
  // respects here) is refused as writing into it would be.
  if (replacing && (::access(target_.c_str(), W_OK) != 0 || (old.st_mode & 0222) == 0))
    throw SaveError("File access denied: " + path, Text(FileErrorText(EACCES)));

  if (sync_ == DiskSync::Now) RemoveStaleTemporaries(QFile::decodeName(QByteArray::fromStdString(folder_)));

  // A fresh name beside the target; O_EXCL never takes over another file,
  // nor follows a link planted under that name.
  static std::atomic<unsigned> counter{0};
  for (int attempt = 0; attempt < 100 && fd_ < 0; ++attempt) {
    temp_ = (folder_ == "/" ? "" : folder_) + "/" + TemporaryName(name, ::getpid(), counter++);
    fd_ = ops_.Open(temp_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0666);
    if (fd_ < 0 && errno != EEXIST) {
      temp_.clear();
      Fail(errno);
    }
  }
  if (fd_ < 0) {
    const QString text = "Cannot create file " + QFile::decodeName(QByteArray::fromStdString(temp_)) +
                         ": a file of that name is already there.";
    temp_.clear();
    throw SaveError(text, "a file of that name is already there");
  }
  if (replacing) {
    // The new file takes the old one's permissions and, where allowed, owner.
    ::fchmod(fd_, old.st_mode & 07777);
    if (::fchown(fd_, old.st_uid, old.st_gid) != 0) {
      // Not permitted for a file owned by someone else; the new file keeps
      // the user's own ownership.
    }
  }
}

SafeSave::~SafeSave() {
  if (!done_) Remove();
}

void SafeSave::Remove() {
  if (fd_ >= 0) ops_.Close(fd_);
  fd_ = -1;
  if (!temp_.empty()) ops_.Unlink(temp_.c_str());
  temp_.clear();
  done_ = true;
}

void SafeSave::Fail(int error) {
  Remove();
  const QString text = Text(FileErrorText(error));
  throw SaveError(text, text);
}

void SafeSave::Write(std::string_view bytes) {
  for (std::string_view rest = bytes; !rest.empty();) {
    const ssize_t n = ops_.Write(fd_, rest.data(), rest.size());
    if (n < 0) {
      if (errno == EINTR) continue;
      Fail(errno);
    }
    rest.remove_prefix(static_cast<std::size_t>(n));
  }
}

void SafeSave::Commit() {
  if (sync_ == DiskSync::Now && ops_.Fsync(fd_) != 0) Fail(errno);
  const int fd = fd_;
  fd_ = -1;
  // The close's own failure is a delayed write error.
  if (ops_.Close(fd) != 0) Fail(errno);
  if (ops_.Rename(temp_.c_str(), target_.c_str()) != 0) Fail(errno);
  done_ = true;
  if (sync_ == DiskSync::Later) return;

  // The rename itself reaches the disk with the folder's entry.
  const int dir = ops_.Open(folder_.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC, 0);
  if (dir >= 0) {
    ops_.Fsync(dir);
    ops_.Close(dir);
  }
}

std::string TemporaryName(const std::string& name, long pid, unsigned serial) {
  return "." + name + "." + std::to_string(pid) + "." + std::to_string(serial) + ".tmp";
}

void RemoveStaleTemporaries(const QString& folder) {
  const QByteArray encoded = QFile::encodeName(folder);
  DIR* dir = ::opendir(encoded.constData());
  if (!dir) return;
  const std::string base = encoded.toStdString() + "/";
  while (const dirent* entry = ::readdir(dir)) {
    const std::optional<long> pid = TemporaryOwner(entry->d_name);
    // A live process, ours included, may still be writing its file; a
    // process that may not be signalled (EPERM) is alive too.
    if (!pid || *pid == ::getpid() || ::kill(static_cast<pid_t>(*pid), 0) == 0 || errno != ESRCH) continue;
    const std::string full = base + entry->d_name;
    struct stat st {};
    // A file written in the last minute may belong to a save that another
    // process (seen under another number, as in a container) is making now.
    if (::lstat(full.c_str(), &st) == 0 && S_ISREG(st.st_mode) && st.st_uid == ::geteuid() &&
        st.st_mtime < std::time(nullptr) - 60)
      ::unlink(full.c_str());
  }
  ::closedir(dir);
}

std::optional<long> TemporaryOwner(std::string_view entry) {
  // ".NAME.PID.SERIAL.tmp", read from the end.
  constexpr std::string_view suffix = ".tmp";
  if (entry.size() < 2 || entry.front() != '.' || !entry.ends_with(suffix)) return std::nullopt;
  entry.remove_suffix(suffix.size());
  auto number = [&entry]() -> std::optional<long> {
    const auto dot = entry.rfind('.');
    if (dot == std::string_view::npos || dot + 1 == entry.size() || entry.size() - dot > 11) return std::nullopt;
    long value = 0;
    for (char c : entry.substr(dot + 1)) {
      if (c < '0' || c > '9') return std::nullopt;
      value = value * 10 + (c - '0');
    }
    entry = entry.substr(0, dot);
    return value;
  };
  if (!number()) return std::nullopt;  // the serial
  const std::optional<long> pid = number();
  // What is left is the dot and the song's own name.
  if (!pid || *pid <= 0 || entry.size() < 2) return std::nullopt;
  return pid;
}

std::optional<QString> FindSongFile(const QString& chosen) {
  const QString candidate = Text(WithSongExtension(chosen.toStdString()));
  if (QFileInfo::exists(candidate)) return candidate;
  // On a file system whose names keep their letter case, the song may be
  // stored as SONG.SLY or Song.Sly.
  const std::string wanted = FileNameOf(candidate.toStdString());
  if (QFileInfo::exists(chosen) && SameNameIgnoringCase(FileNameOf(chosen.toStdString()), wanted)) return chosen;
  const QFileInfo info(candidate);
  const QDir folder = info.dir();
  const QStringList names =
      folder.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
  for (const QString& n : names)
    if (SameNameIgnoringCase(n.toStdString(), wanted)) return folder.filePath(n);
  return std::nullopt;
}

}  // namespace strumbly
