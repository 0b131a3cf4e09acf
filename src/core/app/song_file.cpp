#include "core/app/song_file.h"

#include "core/guitar/tuning.h"

#include "core/chordsheet/integer_text.h"
#include "core/chordsheet/text.h"

namespace strumbly {

std::vector<std::string> SplitLines(std::string_view text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c != '\r' && c != '\n') continue;
    lines.emplace_back(text.substr(start, i - start));
    if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    start = i + 1;
  }
  if (start < text.size()) lines.emplace_back(text.substr(start));
  return lines;
}

std::string DecodeSongText(std::string_view bytes) { return DecodeTextLines(bytes); }

bool HasInfoPrefix(std::string_view line, int index) { return line.substr(0, 8) == kInfoPrefixes[index]; }

std::optional<std::int32_t> InfoValue(std::string_view line) {
  if (line.size() <= 8) return std::nullopt;
  return ReadChordInteger(Trim(line.substr(8, 20)));
}

SongText ReadSongText(std::string_view bytes) {
  SongText song;
  // Text that is already UTF-8 (nearly every song) is split without a copy.
  song.lines = IsValidUtf8(bytes) ? SplitLines(bytes) : SplitLines(DecodeTextLines(bytes));
  auto line = [&](std::size_t i) -> std::string_view {
    return i < song.lines.size() ? std::string_view(song.lines[i]) : std::string_view();
  };
  bool all = HasInfoPrefix(line(0), 0);
  if (HasInfoPrefix(line(1), 1))
    song.patch = InfoValue(line(1)).value_or(kDefaultPatch);
  else
    all = false;
  if (HasInfoPrefix(line(2), 2))
    song.tuning = InfoValue(line(2)).value_or(kStandardTuningTag);
  else
    all = false;
  if (HasInfoPrefix(line(3), 3))
    song.tempo = InfoValue(line(3)).value_or(kDefaultTempo);
  else
    all = false;
  song.allFourInfo = all;
  if (all) song.lines.erase(song.lines.begin(), song.lines.begin() + 4);
  return song;
}

std::string FormatSongFile(const std::vector<std::string>& lines, int patch, std::int32_t tuning, int tempo) {
  const std::string head =
      JoinCrLfLines({"*Info 1: Strumbly Version 1.0 File Information", "*Info 2:" + std::to_string(patch),
                     "*Info 3:" + std::to_string(tuning), "*Info 4:" + std::to_string(tempo)});
  return JoinCrLfLines(lines, head);
}

}  // namespace strumbly
