#include "cli/output_files.h"

#include <fcntl.h>
#include <unistd.h>

#include <QString>

#include "core/app/song_names.h"
#include "platform/file_operations.h"
#include "platform/song_io.h"

namespace strumbly::cli {

bool OutputFiles::Write(const std::string& path, std::string_view bytes, std::string* reason) {
  std::string folder = FolderOf(path);
  if (folder.empty()) folder = ".";
  // The temporaries of killed runs go once per folder, not once per file.
  if (folders_.insert(folder).second) RemoveStaleTemporaries(QString::fromStdString(folder));
  try {
    WriteFileSafely(QString::fromStdString(path), bytes, SystemFileOperations(), DiskSync::Later);
  } catch (const SaveError& e) {
    if (reason) *reason = e.reason().toStdString();
    return false;
  }
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
