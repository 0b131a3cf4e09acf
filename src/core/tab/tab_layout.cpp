#include "core/tab/tab_layout.h"

#include <algorithm>

#include "core/chordsheet/text.h"

namespace strumbly {

TabLayout BuildTabLayout(const ChordList& list, const std::vector<std::string>& lines) {
  TabLayout layout;
  auto& entries = layout.TabEntries;
  entries.reserve(list.size());
  std::int32_t bar = 1;
  std::int32_t position = 0;
  std::size_t barStart = 0;
  static const std::string kEmpty;
  for (std::size_t i = 0; i < list.size(); ++i) {
    const std::string& text = i < lines.size() ? lines[i] : kEmpty;
    if (IsCommentLine(text)) continue;
    ++position;
    const ChordRecord& r = list[i];
    TabEntry e;
    e.Name = r.Name;
    e.Frets = r.Frets;
    e.Pitches = r.Pitches;
    e.Duration = r.Duration;
    e.DurationMs = r.DurationMs;
    e.BarNumber = bar;
    e.PositionInBar = position;
    e.IsBarEnd = IsBlank(text);
    entries.push_back(std::move(e));
    if (entries.back().IsBarEnd) {
      // The closing entry's position is the bar's size; every entry of the
      // bar lies between barStart and here.
      const std::size_t end = entries.size() - 1;
      for (std::size_t k = barStart; k <= end; ++k) entries[k].BarSize = position;
      if (position > 1) {
        layout.bars.push_back(ShownBar{barStart, end, position});
        if (layout.bars.back().Truncated()) layout.anyTruncated = true;
      }
      barStart = end + 1;
      ++bar;
      position = 0;
    }
  }
  return layout;
}

bool IsRestEntry(const TabEntry& e) {
  return !e.Name.empty() && std::all_of(e.Frets.begin(), e.Frets.end(), [](std::int32_t f) { return f == NotPlayed; });
}

bool ShowsChordName(const TabLayout& layout, std::size_t i) {
  const TabEntry& e = layout.TabEntries[i];
  if (e.IsBarEnd || IsRestEntry(e) || IsBlank(e.Name) || UpperAscii(Trim(e.Name)) == "REST") return false;
  while (i > 0) {
    const TabEntry& before = layout.TabEntries[--i];
    if (!before.IsBarEnd) return before.Name != e.Name;
  }
  return true;
}

TabRhythm RhythmOf(const TabEntry& e) {
  TabRhythm r;
  std::string_view code = e.Duration;
  if (code.size() == 2 && code[0] == '.') {
    r.dotted = true;
    code.remove_prefix(1);
  }
  if (code.size() != 1) return {};
  if (IsRestEntry(e)) {
    r.kind = TabRhythm::Kind::Rest;
    return r;
  }
  switch (code[0] | 0x20) {
    case 'w':
      r.kind = TabRhythm::Kind::Whole;
      break;
    case 'h':
      r.kind = TabRhythm::Kind::Half;
      break;
    case 'q':
      r.kind = TabRhythm::Kind::Stem;
      break;
    case 'e':
      r = {TabRhythm::Kind::Stem, 1, r.dotted};
      break;
    case 's':
      r = {TabRhythm::Kind::Stem, 2, r.dotted};
      break;
    case 't':
      r = {TabRhythm::Kind::Stem, 3, r.dotted};
      break;
    case 'f':
      r = {TabRhythm::Kind::Stem, 4, r.dotted};
      break;
    default:
      return {};
  }
  return r;
}

}  // namespace strumbly
