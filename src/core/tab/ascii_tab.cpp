#include "core/tab/ascii_tab.h"

#include <array>

#include "core/chordsheet/text.h"

namespace strumbly {

namespace {

// Characters of UTF-8 text: bytes that do not continue a sequence.
int CharCount(const std::string& s) {
  int n = 0;
  for (const char c : s)
    if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++n;
  return n;
}

void AppendBar(std::array<std::string, 6>& rows, const TabLayout& layout, const ShownBar& bar, bool left) {
  if (left)
    for (auto& row : rows) row.assign("|");
  const int dash = BarDash(bar.Columns());
  const std::string hyphens(static_cast<std::size_t>(dash), '-');
  for (auto& row : rows) row += hyphens;
  const std::size_t last = bar.first + static_cast<std::size_t>(bar.DrawnChords());
  for (std::size_t i = bar.first; i < last; ++i) {
    const TabEntry& e = layout.TabEntries[i];
    for (std::size_t k = 0; k < 6; ++k) {
      const std::int32_t f = e.Frets[k];
      if (f == NotPlayed)
        rows[k] += "--";
      else if (f >= 10)
        rows[k] += std::to_string(f);
      else
        rows[k] += "-" + std::to_string(f);
      rows[k] += hyphens;
    }
  }
  for (auto& row : rows) row += '|';
}

}  // namespace

std::string CentredTabLine(const std::string& text) {
  const int blanks = 40 - CharCount(text) / 2;
  return std::string(blanks > 0 ? static_cast<std::size_t>(blanks) : 0, ' ') + text;
}

std::vector<std::string> AsciiTabLines(const TabLayout& layout, const std::string& tuningText, const std::string& title,
                                       const std::string& subtitle) {
  std::vector<std::string> lines;
  lines.reserve(7 + static_cast<std::size_t>(layout.Rows()) * 8);
  lines.emplace_back();
  lines.push_back(tuningText);
  lines.emplace_back();
  lines.push_back(CentredTabLine(title));
  lines.push_back(CentredTabLine(subtitle));
  lines.emplace_back();
  std::array<std::string, 6> rows;
  bool left = true;
  auto flush = [&] {
    for (auto& row : rows) lines.push_back(std::move(row));
    lines.emplace_back();
    lines.emplace_back();
  };
  for (const ShownBar& bar : layout.bars) {
    AppendBar(rows, layout, bar, left);
    if (!left) flush();
    left = !left;
  }
  if (!left) flush();
  lines.emplace_back();
  return lines;
}

std::string AsciiTabFileText(const std::vector<std::string>& lines) { return JoinCrLfLines(lines); }

}  // namespace strumbly
