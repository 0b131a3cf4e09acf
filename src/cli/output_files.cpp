#include "cli/output_files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "core/app/song_names.h"

namespace strumbly::cli {

namespace {

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

}  // namespace

bool OutputFiles::Write(const std::string& path, std::string_view bytes) {
  const std::string given = FolderOf(path);
  const std::string folder = given.empty() ? std::string(".") : given;
  const std::string name = FileNameOf(path);
  if (name.empty()) return false;
  struct stat old {};
  const bool replacing = ::stat(path.c_str(), &old) == 0;
  // A folder, or a file the user may not write, is not replaced.
  if (replacing && (S_ISDIR(old.st_mode) || ::access(path.c_str(), W_OK) != 0)) return false;

  static unsigned counter = 0;
  std::string temp;
  int fd = -1;
  for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
    temp = (folder == "/" ? "" : folder) + "/." + name + "." + std::to_string(::getpid()) + "." +
           std::to_string(counter++) + ".tmp";
    fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, replacing ? (old.st_mode & 07777) : 0666);
    if (fd < 0 && errno != EEXIST) return false;
  }
  if (fd < 0) return false;
  const bool written = WriteAll(fd, bytes);
  const bool closed = ::close(fd) == 0;
  if (!written || !closed || ::rename(temp.c_str(), path.c_str()) != 0) {
    ::unlink(temp.c_str());
    return false;
  }
  folders_.insert(folder);
  return true;
}

bool OutputFiles::Sync() {
  bool ok = true;
  for (const std::string& folder : folders_) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) continue;
    // The files and the renames of this folder's file system in one go.
    if (::syncfs(fd) != 0) ok = false;
    ::close(fd);
  }
  folders_.clear();
  return ok;
}

}  // namespace strumbly::cli
