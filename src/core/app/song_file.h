#pragma once
// The song file: four info lines (instrument, tuning, tempo) followed by the
// editor's lines, every line ended by CR LF.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/chordsheet/text.h"  // IsValidUtf8, DecodeTextLines

namespace strumbly {

inline constexpr int kDefaultPatch = 25;  // Acoustic Steel String Guitar, counted from 0
inline constexpr int kDefaultTempo = 120;
inline constexpr const char* kInfoPrefixes[4] = {"*Info 1:", "*Info 2:", "*Info 3:", "*Info 4:"};
inline constexpr const char* kUntitledName = "Untitled.sly";

// Splits at CR LF, LF or a lone CR. A final line break starts no further line.
std::vector<std::string> SplitLines(std::string_view text);

// UTF-8 lines are kept; any other line is taken as Latin-1 and converted.
std::string DecodeSongText(std::string_view bytes);

// The value of an info line: characters 9 to 28, trimmed, as an integer;
// nullopt when the text is not a number.
std::optional<std::int32_t> InfoValue(std::string_view line);
bool HasInfoPrefix(std::string_view line, int index);  // index 0..3

struct SongText {
  std::vector<std::string> lines;  // what the editor shows
  bool allFourInfo = false;        // the info lines were found and removed
  // Values of the info lines that were present (and their defaults when a
  // present line holds no number); nullopt when the line is missing.
  std::optional<std::int32_t> patch, tuning, tempo;
};

// Reads a song from its file's bytes as the Open command does.
SongText ReadSongText(std::string_view bytes);

// The file's text for the given editor lines and song state.
std::string FormatSongFile(const std::vector<std::string>& lines, int patch, std::int32_t tuning, int tempo);

}  // namespace strumbly
