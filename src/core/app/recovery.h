#pragma once
// The recovery file: an unsaved song's lines with its file name and state,
// written while the song is changed so that a kill, a crash or a power cut
// does not lose it. Text, one value a line, then the song's lines:
//
//   Strumbly recovery 1
//   File=/home/u/song.sly
//   Patch=25
//   Tuning=555555
//   Tempo=120
//   Duration= Q
//   Line=3
//   Lines=2
//   C, x, 3, 2, 0, 1, 0, Q
//   G, 3, 2, 0, 0, 0, 3, Q
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/app/song_file.h"

namespace strumbly {

inline constexpr const char* kRecoverCaption = "Recover Song";

struct RecoveredSong {
  std::string fileName = "Untitled.sly";  // CurrentFileName
  int patch = kDefaultPatch;
  std::int32_t tuning = 555555;
  int tempo = 120;
  std::string duration = " Q";  // CurrentDuration
  int currentLine = 0;
  std::vector<std::string> lines;  // the editor's lines
  bool operator==(const RecoveredSong&) const = default;
};

std::string FormatRecovery(const RecoveredSong& song);
// Nullopt when the text is not a recovery file. Values that are missing or
// not numbers keep their defaults; lines beyond the end are not invented.
std::optional<RecoveredSong> ParseRecovery(std::string_view text);

// "Strumbly closed without saving the changes to NAME. Recover them?", NAME
// the song's file name without its folder.
std::string RecoverQuestion(std::string_view fileName);

}  // namespace strumbly
