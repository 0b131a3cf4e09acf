#pragma once
// The converter's output files. Each is written to a new file beside its
// target and renamed into place once whole, so a failed write leaves no half
// file and an old file stays as it was. The data go to the disk once for the
// whole run (Sync) instead of once per file: a thousand songs would
// otherwise wait on the disk two thousand times.
#include <set>
#include <string>
#include <string_view>

namespace strumbly::cli {

class OutputFiles {
 public:
  // False when the file cannot be created or written, with the reason
  // ("Disk full", "it is a folder"); nothing is left behind.
  bool Write(const std::string& path, std::string_view bytes, std::string* reason = nullptr);
  // Flushes every folder written into; false when the disk reports a failure.
  bool Sync();

 private:
  std::set<std::string> folders_;
};

}  // namespace strumbly::cli
