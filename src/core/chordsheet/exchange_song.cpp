#include "core/chordsheet/exchange_song.h"

#include <algorithm>

#include "core/chordsheet/text.h"
#include "core/guitar/capo.h"

namespace strumbly {

std::optional<ExchangeSong> MakeExchangeSong(std::vector<std::string> lines, std::string_view fileName, int tempo,
                                             int patch, TuningTag tuning, std::string& error) {
  ExchangeSong song;
  const ChordListResult built = BuildChordList(lines, song.list);
  if (!built.ok) {
    error = built.error;
    return std::nullopt;
  }
  song.titles = SearchedTabTitles(lines, fileName);
  song.capo = FindSongCapo(lines);
  song.lines = std::move(lines);
  song.tempo = tempo;
  song.patch = patch;
  song.tuning = NormalizeTuningTag(tuning);
  return song;
}

bool IsSongFieldLine(std::string_view line) {
  if (!IsCommentLine(line)) return false;
  const std::string upper = UpperAscii(line);
  return upper.find("TITLE:") != std::string::npos || upper.find("SUB:") != std::string::npos || LineCapo(line) >= 1;
}

int ShapeBaseFret(const std::array<std::int32_t, 6>& frets) {
  int lowest = 0, highest = 0;
  for (const std::int32_t f : frets) {
    if (f <= 0) continue;
    lowest = lowest == 0 ? f : std::min(lowest, f);
    highest = std::max(highest, f);
  }
  return highest <= 4 ? 1 : lowest;
}

bool IsRestShape(const std::array<std::int32_t, 6>& frets) {
  return std::all_of(frets.begin(), frets.end(), [](std::int32_t f) { return f == NotPlayed; });
}

}  // namespace strumbly
