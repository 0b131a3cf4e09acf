#pragma once
// Songs as the converter reads them: through the same reader as Open, with
// the instrument, tuning and tempo of their info lines.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/sound/chord_list.h"

namespace strumbly::cli {

struct CliSong {
  std::string path;
  std::vector<std::string> lines;
  int patch = 0;
  std::int32_t tuning = 0;
  int tempo = 0;
  int capo = 0;            // from the song's "* Capo: N" line
  bool infoLines = false;  // the file began with the four info lines
};

// Reads the song; on failure prints the reason to standard error and gives
// back nothing.
std::optional<CliSong> LoadSong(const std::string& path);

// Builds the chord list of the song's lines. On a bad line prints the
// parser's text and then the command's message; without a chord line prints
// its message; both to standard error, after prefix.
bool SongChordList(const CliSong& song, ChordList& list, SongProduct product, const std::string& prefix);

}  // namespace strumbly::cli
