#pragma once
// Reading and writing song files. Failures throw CommandError with the text
// the user reads; a failed write never harms the file that was there.
#include <QString>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace strumbly {

class FileOperations;

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
// its target replaced; the old file's permissions are kept. Throws with the
// system's error text ("Disk full", "File access denied", ...).
// A target that exists but may not be written, or is marked read-only, is
// refused with "File access denied: PATH". Temporary files that killed
// saves left in the folder are removed first.
void WriteFileSafely(const QString& path, std::string_view bytes);

// When the written file reaches the disk: at once (the file and its folder
// are flushed before the call returns), or later, when a caller writing
// many files flushes their folders once (the converter) and has removed the
// stale temporaries of those folders itself.
enum class DiskSync { Now, Later };
// The same through the given system calls (tests record or fail them).
void WriteFileSafely(const QString& path, std::string_view bytes, FileOperations& ops, DiskSync sync = DiskSync::Now);

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
