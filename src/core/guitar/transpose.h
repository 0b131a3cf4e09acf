#pragma once
// Transposing chord lines: every fret moves by the same number of
// semitones and every chord name is renamed to match, its kind kept.
#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "core/guitar/tuning.h"

namespace strumbly {

inline constexpr int kMaxTransposeSteps = 11;

// A chord name taken apart: the root's pitch class, the kind as written
// ("m7b5", "sus4", "" ...) and the bass of a slash chord (-1 for none).
struct ChordNameParts {
  int root = 0;
  std::string kind;
  int bass = -1;
};

// Nothing for a name that is not a chord name ("Rest", "Intro", "Bridge",
// the empty name): a root A to G, an optional '#' or 'b', a kind made of
// chord words (maj, m, dim, aug, sus, add, numbers, accidentals ...) and an
// optional "/" with a bass note.
std::optional<ChordNameParts> SplitChordName(std::string_view name);

// The name of the parts, every note spelled with flats or with sharps.
std::string JoinChordName(const ChordNameParts& parts, bool flats);

// Keys whose notes are spelled with flats: F, Bb, Eb, Ab and Db major (and
// their relative minors).
bool IsFlatKey(int majorKeyPitchClass);

// The name moved by the semitones; names that are no chord names are kept.
std::string TransposeChordName(std::string_view name, int semitones, bool flats);

// The first shape of each chord in a dictionary, found by name with either
// spelling of its notes (C#m finds the entry Dbm). Frets string 1 first.
class DictionaryShapes {
 public:
  explicit DictionaryShapes(const std::vector<std::string>& entries);
  std::optional<std::array<std::int32_t, 6>> First(std::string_view name) const;

 private:
  std::unordered_map<std::string, std::array<std::int32_t, 6>> shapes_;
};

using ShapeLookup = std::function<std::optional<std::array<std::int32_t, 6>>(std::string_view name)>;

struct TransposeResult {
  int first = 0;                   // index of the first line of the range
  std::vector<std::string> lines;  // the range's new text, one per line
  std::vector<int> stayed;         // line indices of chords left as they were
  // One message listing the lines left as they were; empty when none was.
  std::string report;
};

// Transposes lines first to last (inclusive, clamped to the song) by -11 to
// +11 semitones; the caller replaces the range with result.lines in one
// step. Comment, blank and bad lines are kept as they are. A chord whose
// moved frets would leave 0 to 18 takes the lookup's first shape of its
// new name (checked to sound that name under the tuning and the capo),
// failing that its shape an octave away, failing that it stays and is
// reported. Names follow the key of the range's first chord: flats in the
// flat keys, sharps otherwise.
TransposeResult TransposeLines(const std::vector<std::string>& lines, int first, int last, int semitones,
                               const ShapeLookup& lookup, TuningTag tuning = kStandardTuningTag, int capo = 0);

}  // namespace strumbly
