#include "core/chordsheet/exchange_song.h"

#include <algorithm>

#include "core/chordsheet/integer_text.h"
#include "core/chordsheet/text.h"

namespace strumbly {

namespace {

constexpr std::string_view kCapoKey = "CAPO:";

std::optional<int> CapoOf(std::string_view line) {
  if (!IsCommentLine(line)) return std::nullopt;
  const auto at = UpperAscii(line).find(kCapoKey);
  if (at == std::string::npos) return std::nullopt;
  const auto value = ReadChordInteger(Trim(line.substr(at + kCapoKey.size())));
  if (!value || *value < 1 || *value > MaxFret) return std::nullopt;
  return *value;
}

}  // namespace

std::optional<ExchangeSong> MakeExchangeSong(std::vector<std::string> lines, std::string_view fileName, int tempo,
                                             int patch, TuningTag tuning, std::string& error) {
  ExchangeSong song;
  const ChordListResult built = BuildChordList(lines, song.list);
  if (!built.ok) {
    error = built.error;
    return std::nullopt;
  }
  song.titles = SearchedTabTitles(lines, fileName);
  song.capo = FindCapo(lines);
  song.lines = std::move(lines);
  song.tempo = tempo;
  song.patch = patch;
  song.tuning = NormalizeTuningTag(tuning);
  return song;
}

int FindCapo(const std::vector<std::string>& lines) {
  int capo = 0;
  for (const std::string& line : lines)
    if (const auto c = CapoOf(line)) capo = *c;
  return capo;
}

bool IsSongFieldLine(std::string_view line) {
  if (!IsCommentLine(line)) return false;
  const std::string upper = UpperAscii(line);
  return upper.find("TITLE:") != std::string::npos || upper.find("SUB:") != std::string::npos ||
         CapoOf(line).has_value();
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
