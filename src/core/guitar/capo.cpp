#include "core/guitar/capo.h"

#include "core/chordsheet/chord_line.h"
#include "core/chordsheet/text.h"

namespace strumbly {

namespace {
constexpr std::string_view kCapoKey = "CAPO:";
}  // namespace

int LineCapo(std::string_view line) {
  if (!IsCommentLine(line)) return -1;
  const auto at = UpperAscii(line).rfind(kCapoKey);
  if (at == std::string::npos) return -1;
  const std::string_view rest = Trim(line.substr(at + kCapoKey.size()));
  int value = 0;
  std::size_t digits = 0;
  while (digits < rest.size() && digits < 3 && rest[digits] >= '0' && rest[digits] <= '9')
    value = value * 10 + (rest[digits++] - '0');
  if (digits == 0 || (digits < rest.size() && rest[digits] >= '0' && rest[digits] <= '9')) return -1;
  return value <= kMaxCapo ? value : -1;
}

int FindSongCapo(const std::vector<std::string>& lines) {
  int capo = 0;
  for (const std::string& line : lines)
    if (const int c = LineCapo(line); c >= 0) capo = c;
  return capo;
}

std::string CapoLine(int capo) { return "* Capo: " + std::to_string(capo); }

std::vector<std::string> SongLinesWithCapo(const std::vector<std::string>& lines, int capo) {
  std::vector<std::string> out = lines;
  for (std::size_t i = out.size(); i-- > 0;) {
    if (LineCapo(out[i]) < 0) continue;
    if (LineCapo(out[i]) == capo) return out;
    if (capo == 0)
      out.erase(out.begin() + static_cast<std::ptrdiff_t>(i));
    else
      out[i] = CapoLine(capo);
    return out;
  }
  if (capo == 0) return out;
  std::size_t at = 0;
  while (at < out.size() && IsCommentLine(out[at])) ++at;
  out.insert(out.begin() + static_cast<std::ptrdiff_t>(at), CapoLine(capo));
  return out;
}

StringOffsets WithCapo(const StringOffsets& offsets, int capo) {
  StringOffsets out = offsets;
  for (int& o : out) o += capo;
  return out;
}

std::array<int, 6> SoundingPitches(const std::array<std::uint8_t, 6>& pitches, const StringOffsets& offsets, int capo) {
  return SoundingPitches(pitches, WithCapo(offsets, capo));
}

std::string CapoText(int capo) { return capo > 0 ? "Capo " + std::to_string(capo) : std::string(); }

}  // namespace strumbly
