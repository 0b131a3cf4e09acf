#include "platform/file_operations.h"

#include <fcntl.h>
#include <stdio.h>
#include <unistd.h>

namespace strumbly {

int FileOperations::Open(const char* path, int flags, mode_t mode) { return ::open(path, flags, mode); }
ssize_t FileOperations::Write(int fd, const void* data, std::size_t size) { return ::write(fd, data, size); }
int FileOperations::Fsync(int fd) { return ::fsync(fd); }
int FileOperations::Close(int fd) { return ::close(fd); }
int FileOperations::Rename(const char* from, const char* to) { return ::rename(from, to); }
int FileOperations::Unlink(const char* path) { return ::unlink(path); }

FileOperations& SystemFileOperations() {
  static FileOperations system;
  return system;
}

}  // namespace strumbly
