#include "core/tab/tab_layout.h"

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

}  // namespace strumbly
