#pragma once
// The system calls that a safe save makes, behind one interface so that a
// test can record their order or make one of them fail.
#include <sys/types.h>

#include <cstddef>

namespace strumbly {

class FileOperations {
 public:
  virtual ~FileOperations() = default;
  // Each returns what the system call of the same name returns and leaves
  // errno set on failure.
  virtual int Open(const char* path, int flags, mode_t mode);
  virtual ssize_t Write(int fd, const void* data, std::size_t size);
  virtual int Fsync(int fd);
  virtual int Close(int fd);
  virtual int Rename(const char* from, const char* to);
  virtual int Unlink(const char* path);
};

// The real system calls.
FileOperations& SystemFileOperations();

}  // namespace strumbly
