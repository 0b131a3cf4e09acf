#pragma once
// Reading and writing song files. Failures throw CommandError with the text
// the user reads; a failed write never harms the file that was there.
#include <QString>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/command_error.h"
#include "platform/file_operations.h"

namespace strumbly {

// The whole file's bytes. Throws "Cannot open file PATH" when it cannot be
// opened or read (a folder, a device, no permission) and a clear message
// for a file larger than kMaxSongFileBytes.
std::string ReadSongFile(const QString& path);
// The same for a file of the program's own that may be of any size (the
// recovery file holds whatever song the user had).
std::string ReadOwnFile(const QString& path);

// What tells that a file was written since it was last seen: its time of
// change, to the nanosecond, and its size.
struct FileStamp {
  std::int64_t modifiedNs = 0;
  std::int64_t size = 0;
  bool operator==(const FileStamp&) const = default;
};
// The stamp of the file a path names (a link is followed); nullopt when
// there is none.
std::optional<FileStamp> StampOfFile(const QString& path);

// Replaces the file's contents with the bytes: they go to a new file in the
// same folder, which is flushed to disk and then renamed over the old one,
// so the old file stays whole until the new one is. A link is followed and
// its target replaced; the old file's permissions are kept. Throws
// SaveError with the system's error text ("Disk full", "File access
// denied", ...).
// A target that exists but may not be written, or is marked read-only, is
// refused with "File access denied: PATH"; one that is not a regular file
// (a folder, a named pipe, a device) is refused and left alone. Temporary
// files that killed saves left in the folder are removed first.
void WriteFileSafely(const QString& path, std::string_view bytes);

// When the written file reaches the disk: at once (the file and its folder
// are flushed before the call returns), or later, when a caller writing
// many files flushes their folders once (the converter) and has removed the
// stale temporaries of those folders itself.
enum class DiskSync { Now, Later };
// The same through the given system calls (tests record or fail them).
void WriteFileSafely(const QString& path, std::string_view bytes, FileOperations& ops, DiskSync sync = DiskSync::Now);

// A failed save. text() is what the user reads on its own; reason() is the
// short cause ("Disk full", "it is a folder") for a message that names the
// file itself.
class SaveError : public CommandError {
 public:
  SaveError(const QString& text, const QString& reason) : CommandError(text), reason_(reason) {}
  QString reason() const { return reason_; }

 private:
  QString reason_;
};

// One save in steps, for writers that stream their data (audio, printing):
// the constructor checks the target and creates the temporary file, the
// writer writes into Descriptor() or through Write, and Commit flushes the
// file and renames it over the target. Without a Commit (a failure, a
// cancel) the destructor removes the temporary and the target stays as it
// was. Every step throws SaveError, as WriteFileSafely does.
class SafeSave {
 public:
  explicit SafeSave(const QString& path, DiskSync sync = DiskSync::Now);
  SafeSave(const QString& path, FileOperations& ops, DiskSync sync = DiskSync::Now);
  ~SafeSave();
  SafeSave(const SafeSave&) = delete;
  SafeSave& operator=(const SafeSave&) = delete;

  int Descriptor() const { return fd_; }
  void Write(std::string_view bytes);
  void Commit();
  // Removes the temporary and throws the error's text.
  [[noreturn]] void Fail(int error);

 private:
  void Remove();

  FileOperations& ops_;
  DiskSync sync_;
  std::string target_, folder_, temp_;
  int fd_ = -1;
  bool done_ = false;
};

// Why the file at path is not one to read whole or to replace ("it is a
// folder", "it is a named pipe, not a regular file", ...); empty when it is
// missing, a regular file or a link to one.
std::string NotARegularFileReason(const std::string& path);

// The hidden temporary file a save writes beside NAME: ".NAME.PID.SERIAL.tmp".
std::string TemporaryName(const std::string& name, long pid, unsigned serial);
// The PID in a name of that pattern; nullopt for any other name.
std::optional<long> TemporaryOwner(std::string_view entry);
// Removes the user's own temporary files in the folder whose process is
// gone (a save that was killed or crashed). Files of live processes, and
// files written in the last minute, stay.
void RemoveStaleTemporaries(const QString& folder);

// The song file that the name chosen in the open dialog stands for: the name
// with its extension replaced by ".sly"; when no such file exists, a file of
// that name in another letter case (the chosen one first). Nullopt when none.
std::optional<QString> FindSongFile(const QString& chosen);

}  // namespace strumbly
