#pragma once
// ChordPro chord sheets (.cho): a song written as one, and a sheet read into
// a song. Directives written: title, subtitle, tempo, capo, define (with
// base-fret and frets), comment, start_of_grid and end_of_grid.
#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/chordsheet/dictionary.h"
#include "core/chordsheet/exchange_song.h"

namespace strumbly {

inline constexpr const char* kChordProExtension = ".cho";

// The sheet's text, lines ended by LF. One define per distinct shape (a
// second shape of a name is called NAME(2)); the chords as a grid, one
// measure per bar of the song, one cell per quarter note, shorter notes
// sharing a cell joined by "~" ("." in a cell continues the chord before).
std::string ChordProText(const ExchangeSong& song);

// The fingering a chord name has outside the sheet, if any.
using ShapeLookup = std::function<std::optional<Frets>(std::string_view name)>;

// The frets of the first chord line named name among the entries.
std::optional<Frets> FirstDictionaryShape(const DictionaryEntries& entries, std::string_view name);

// A lookup in the dictionaries, the first that has the name winning (the
// user's dictionary, then the shipped one).
ShapeLookup DictionaryShapeLookup(const std::vector<DictionaryEntries>& dictionaries);

struct ChordProImport {
  std::vector<std::string> lines;       // the song's editor lines
  std::optional<int> tempo;             // from {tempo}
  std::vector<std::string> unfingered;  // chord names with no fingering, each once
};

// Reads a sheet. Fingerings come from its define and chord directives
// first, then from lookup. Lyric lines are kept as comment lines, their
// chords a quarter note each and the line a bar; grids keep their beats.
// Directives not understood stay as comment lines.
ChordProImport ImportChordPro(std::string_view text, const ShapeLookup& lookup);

// "No fingering was found for these chords: A, B." (empty for none).
std::string UnfingeredMessage(const std::vector<std::string>& names);

}  // namespace strumbly
