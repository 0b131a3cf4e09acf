// strumbly-cli check: lists the bad lines of songs.
#include <iostream>

#include "cli/cli_command.h"
#include "cli/conversion.h"
#include "cli/song_source.h"
#include "core/chordsheet/chord_line.h"

namespace strumbly::cli {

int RunCheck(const Args& songs) {
  if (songs.empty()) {
    std::cerr << "strumbly-cli check: no song file given\n" << UsageText();
    return kFailed;
  }
  int status = kOk;
  std::string report;
  ChordRecord record;
  for (const std::string& path : songs) {
    // A song that cannot be read is reported; the others are still checked.
    const std::optional<CliSong> song = LoadSong(path);
    if (!song) {
      status = kFailed;
      continue;
    }
    report.clear();
    for (std::size_t i = 0; i < song->lines.size(); ++i) {
      const auto error = ParseChordText(song->lines[i], static_cast<int>(i), record);
      if (!error.empty()) report += path + ": " + error + "\n";
    }
    if (!report.empty()) {
      status = std::max(status, kRefused);
      if (!WriteStandardOutput(report)) return kFailed;
    }
  }
  return status;
}

}  // namespace strumbly::cli
