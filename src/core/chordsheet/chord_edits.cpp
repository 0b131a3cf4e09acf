#include "core/chordsheet/chord_edits.h"

#include "core/chordsheet/integer_text.h"
#include "core/chordsheet/text.h"

namespace strumbly {

std::string TemplateLine(std::string_view name, std::string_view duration) {
  return std::string(name) + " , x, x, x, x, x, x," + std::string(duration);
}

void SetFret(ChordRecord& record, int stringIndex, std::int32_t fret) {
  if (stringIndex < 0 || stringIndex > 5) return;
  const auto s = static_cast<std::size_t>(stringIndex);
  record.Frets[s] = fret;
  record.Pitches[s] = StandardPitch(stringIndex, fret);
}

std::array<std::int32_t, 6> ShiftedFrets(const std::array<std::int32_t, 6>& frets, int step) {
  auto out = frets;
  for (auto& f : out) {
    if (f == NotPlayed) continue;
    f += step;
    if (f < 0 || f > MaxFret) f = NotPlayed;
  }
  return out;
}

std::string DurationCode(char letter, bool dotted) {
  std::string code = dotted ? " ." : " ";
  code += letter;
  return code.substr(0, kMaxDurationChars);
}

std::string RetimedLine(std::string_view line, std::string_view code) {
  const auto comma = line.rfind(',');
  if (comma == std::string_view::npos) return std::string(line);
  return std::string(line.substr(0, comma + 1)) + std::string(code);
}

std::string RenamedLine(std::string_view line, std::string_view name) {
  const auto comma = line.find(',');
  const std::string_view rest = comma == std::string_view::npos ? std::string_view() : Trim(line.substr(comma));
  return std::string(name) + std::string(rest);
}

std::array<std::uint8_t, 6> SingleNotePitches(int stringIndex, int fret) {
  std::array<std::uint8_t, 6> pitches{SilentPitch, SilentPitch, SilentPitch, SilentPitch, SilentPitch, SilentPitch};
  if (stringIndex >= 0 && stringIndex < 6)
    pitches[static_cast<std::size_t>(stringIndex)] = StandardPitch(stringIndex, fret);
  return pitches;
}

}  // namespace strumbly
