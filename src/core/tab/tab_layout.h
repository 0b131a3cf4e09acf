#pragma once
// The layout that every tablature shares: which chords go into which bar
// and column. Blank lines close bars; comment lines take no column.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "core/sound/chord_list.h"

namespace strumbly {

inline constexpr int MaxChordsPerBar = 16;

struct TabEntry {
  std::string Name;
  std::array<std::int32_t, 6> Frets{};
  std::array<std::uint8_t, 6> Pitches{};
  std::string Duration;
  std::int32_t DurationMs = 0;
  bool IsBarEnd = false;
  std::int32_t BarNumber = 0;
  std::int32_t PositionInBar = 0;
  std::int32_t BarSize = 0;  // chords + 1, the closing entry included
};

// A bar with at least one chord, in the order of the closing entries.
struct ShownBar {
  std::size_t first = 0;  // index of the bar's first entry in TabEntries
  std::size_t end = 0;    // index of its closing blank entry
  std::int32_t BarSize = 0;
  bool Truncated() const { return BarSize - 1 > MaxChordsPerBar; }
  // The number of columns a chord step is computed from: chords + 1, at most 16.
  int Columns() const { return BarSize < MaxChordsPerBar ? BarSize : MaxChordsPerBar; }
  // The chords drawn: at most MaxChordsPerBar.
  int DrawnChords() const { return BarSize - 1 < MaxChordsPerBar ? BarSize - 1 : MaxChordsPerBar; }
};

struct TabLayout {
  std::vector<TabEntry> TabEntries;
  std::vector<ShownBar> bars;
  bool anyTruncated = false;  // a bar has more chords than MaxChordsPerBar
  int ShownBarCount() const { return static_cast<int>(bars.size()); }
  // Rows of two bars; a last row with only a left bar counts.
  int Rows() const { return (ShownBarCount() + 1) / 2; }
};

// Builds the entries from a chord list that BuildChordList filled without
// error; lines[i] is editor line i, and an index past the end reads as the
// empty text. Bar sizes are set in one pass.
TabLayout BuildTabLayout(const ChordList& list, const std::vector<std::string>& lines);

// A column that sounds nothing: a named entry with no string played.
bool IsRestEntry(const TabEntry& e);

// Whether the chord name of entry i stands above its column: it does where
// the name differs from the previous column's (the entry before it, closing
// entries skipped), as lead sheets do, and never for a rest or a blank name.
bool ShowsChordName(const TabLayout& layout, std::size_t i);

// The rhythm drawn under a column, from its duration code.
struct TabRhythm {
  enum class Kind { None, Rest, Whole, Half, Stem };
  Kind kind = Kind::None;
  int flags = 0;  // eighths 1, sixteenths 2, thirty-seconds 3, sixty-fourths 4
  bool dotted = false;
  friend bool operator==(const TabRhythm&, const TabRhythm&) = default;
};
TabRhythm RhythmOf(const TabEntry& e);

}  // namespace strumbly
