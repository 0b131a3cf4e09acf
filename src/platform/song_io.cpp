#include "platform/song_io.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <atomic>
#include <cerrno>
#include <climits>
#include <cstdlib>

#include "core/app/song_names.h"
#include "platform/command_error.h"

namespace strumbly {

namespace {

QString Text(const std::string& s) { return QString::fromStdString(s); }

[[noreturn]] void Fail(int error) { throw CommandError(Text(FileErrorText(error))); }

class Descriptor {
 public:
  explicit Descriptor(int fd = -1) : fd_(fd) {}
  ~Descriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
  int get() const { return fd_; }
  // Closes now and reports the close's own failure (a delayed write error).
  int Close() {
    const int rc = ::close(fd_);
    fd_ = -1;
    return rc;
  }

 private:
  int fd_;
};

bool WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t n = ::write(fd, bytes.data(), bytes.size());
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    bytes.remove_prefix(static_cast<std::size_t>(n));
  }
  return true;
}

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

std::string ReadSongFile(const QString& path) {
  const QByteArray name = QFile::encodeName(path);
  const QString cannotOpen = "Cannot open file " + path;
  // Non-blocking, so that a pipe or a device does not hold the program up.
  Descriptor fd(::open(name.constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
  if (fd.get() < 0) throw CommandError(cannotOpen);
  struct stat st {};
  if (::fstat(fd.get(), &st) != 0 || !S_ISREG(st.st_mode)) throw CommandError(cannotOpen);
  const auto size = static_cast<std::uint64_t>(st.st_size);
  if (size > kMaxSongFileBytes) throw CommandError(Text(TooLargeMessage(path.toStdString(), size)));
  std::string bytes;
  bytes.resize(static_cast<std::size_t>(size));
  std::size_t got = 0;
  while (true) {
    if (got == bytes.size()) {
      // The file may have grown since it was measured; read on to its end
      // but never past the limit.
      if (bytes.size() >= kMaxSongFileBytes) break;
      bytes.resize(std::min<std::size_t>(bytes.size() + 65536, kMaxSongFileBytes + 1));
    }
    const ssize_t n = ::read(fd.get(), bytes.data() + got, bytes.size() - got);
    if (n < 0) {
      if (errno == EINTR) continue;
      throw CommandError(cannotOpen);
    }
    if (n == 0) break;
    got += static_cast<std::size_t>(n);
  }
  if (got > kMaxSongFileBytes) throw CommandError(Text(TooLargeMessage(path.toStdString(), got)));
  bytes.resize(got);
  return bytes;
}

void WriteFileSafely(const QString& path, std::string_view bytes) {
  const std::string target = TargetOf(QFile::encodeName(path).toStdString());
  std::string folder = FolderOf(target);
  if (folder.empty()) folder = ".";
  const std::string name = FileNameOf(target);
  if (name.empty()) Fail(EISDIR);

  struct stat old {};
  const bool replacing = ::stat(target.c_str(), &old) == 0;
  if (replacing && S_ISDIR(old.st_mode)) Fail(EISDIR);

  // A fresh name beside the target; O_EXCL never takes over another file.
  static std::atomic<unsigned> counter{0};
  std::string temp;
  int fdValue = -1;
  for (int attempt = 0; attempt < 100 && fdValue < 0; ++attempt) {
    temp = (folder == "/" ? "" : folder) + "/." + name + "." + std::to_string(::getpid()) + "." +
           std::to_string(counter++) + ".tmp";
    fdValue = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fdValue < 0 && errno != EEXIST) Fail(errno);
  }
  if (fdValue < 0) Fail(EEXIST);
  Descriptor fd(fdValue);

  auto failAndRemove = [&](int error) {
    ::unlink(temp.c_str());
    Fail(error);
  };
  if (replacing) {
    // The new file takes the old one's permissions and, where allowed, owner.
    ::fchmod(fd.get(), old.st_mode & 07777);
    if (::fchown(fd.get(), old.st_uid, old.st_gid) != 0) {
      // Not permitted for a file owned by someone else; the new file keeps
      // the user's own ownership.
    }
  }
  if (!WriteAll(fd.get(), bytes)) failAndRemove(errno);
  if (::fsync(fd.get()) != 0) failAndRemove(errno);
  if (fd.Close() != 0) failAndRemove(errno);
  if (::rename(temp.c_str(), target.c_str()) != 0) failAndRemove(errno);

  // The rename itself reaches the disk with the folder's entry.
  Descriptor dir(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (dir.get() >= 0) ::fsync(dir.get());
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
  const QStringList names = folder.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
  for (const QString& n : names)
    if (SameNameIgnoringCase(n.toStdString(), wanted)) return folder.filePath(n);
  return std::nullopt;
}

}  // namespace strumbly
