#include "core/tab/ascii_tab.h"

#include <algorithm>
#include <array>

#include "core/chordsheet/text.h"
#include "core/tab/tab_drawing.h"

namespace strumbly {

namespace {

// Characters of UTF-8 text: bytes that do not continue a sequence.
int CharCount(const std::string& s) {
  int n = 0;
  for (const char c : s)
    if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++n;
  return n;
}

// The line of chord names above a row, built column by column.
struct NamesLine {
  std::string text;
  int chars = 0;
  // Writes the name from column col on, in at most room characters.
  void Place(int col, const std::string& name, int room) {
    if (chars > col) return;
    text.append(static_cast<std::size_t>(col - chars), ' ');
    chars = col;
    int n = 0;
    for (std::size_t b = 0; b < name.size(); ++b) {
      const bool starts = (static_cast<unsigned char>(name[b]) & 0xC0) != 0x80;
      if (starts && ++n > room) break;
      text += name[b];
    }
    chars += std::min(n, room);
    while (!text.empty() && text.back() == ' ') {
      text.pop_back();
      --chars;
    }
  }
};

// The string names at the row start, padded to the widest.
std::array<std::string, 6> RowStarts(TuningTag tuning) {
  std::array<std::string, 6> starts;
  std::size_t width = 0;
  for (int k = 0; k < 6; ++k) {
    starts[static_cast<std::size_t>(k)] = TabStringName(tuning, k + 1);
    width = std::max(width, starts[static_cast<std::size_t>(k)].size());
  }
  for (auto& s : starts) s.resize(width, ' ');
  return starts;
}

void AppendBar(std::array<std::string, 6>& rows, const TabLayout& layout, const ShownBar& bar, bool left,
               const std::array<std::string, 6>* starts = nullptr, NamesLine* names = nullptr) {
  if (left)
    for (std::size_t k = 0; k < 6; ++k) rows[k].assign(starts ? (*starts)[k] + "|" : "|");
  const int dash = BarDash(bar.Columns());
  const std::string hyphens(static_cast<std::size_t>(dash), '-');
  for (auto& row : rows) row += hyphens;
  const std::size_t last = bar.first + static_cast<std::size_t>(bar.DrawnChords());
  for (std::size_t i = bar.first; i < last; ++i) {
    const TabEntry& e = layout.TabEntries[i];
    if (names && ShowsChordName(layout, i))
      names->Place(static_cast<int>(rows[0].size()), e.Name, std::max(1, 1 + dash));
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
  return AsciiTabLines(layout, tuningText, title, subtitle, AsciiTabOptions{});
}

std::vector<std::string> AsciiTabLines(const TabLayout& layout, const std::string& tuningText, const std::string& title,
                                       const std::string& subtitle, const AsciiTabOptions& options) {
  std::vector<std::string> lines;
  lines.reserve(7 + static_cast<std::size_t>(layout.Rows()) * (options.names ? 9 : 8));
  const std::array<std::string, 6> starts = RowStarts(options.tuning);
  NamesLine names;
  lines.emplace_back();
  lines.push_back(tuningText);
  lines.emplace_back();
  lines.push_back(CentredTabLine(title));
  lines.push_back(CentredTabLine(subtitle));
  lines.emplace_back();
  std::array<std::string, 6> rows;
  bool left = true;
  auto flush = [&] {
    if (options.names) {
      lines.push_back(std::move(names.text));
      names = NamesLine{};
    }
    for (auto& row : rows) lines.push_back(std::move(row));
    lines.emplace_back();
    lines.emplace_back();
  };
  for (const ShownBar& bar : layout.bars) {
    if (options.names)
      AppendBar(rows, layout, bar, left, &starts, &names);
    else
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
