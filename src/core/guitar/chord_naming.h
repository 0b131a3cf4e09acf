#pragma once
// Chord names from sounding notes, and the check that a name fits its notes.
// Names are spelled as the dictionary spells them: a root letter, an optional
// '#' or 'b', a suffix from the list below and an optional "/" and bass note.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/guitar/tuning.h"

namespace strumbly {

// The chord kinds a name can spell, by suffix.
enum class ChordKind {
  Major,       // ""
  Minor,       // "m"
  Seventh,     // "7"
  Major7,      // "maj7"
  Minor7,      // "m7"
  Sixth,       // "6"
  Minor6,      // "m6"
  Ninth,       // "9"
  Add9,        // "add9"
  Sus2,        // "sus2"
  Sus4,        // "sus4"
  Seventh4,    // "7sus4"
  Diminished,  // "dim"
  Dim7,        // "dim7"
  HalfDim,     // "m7b5"
  Augmented,   // "aug"
  Power,       // "5"
};
inline constexpr int kChordKindCount = 17;

struct ChordKindInfo {
  ChordKind kind;
  const char* suffix;
  std::uint16_t tones;     // bit i set: the interval of i semitones above the root
  std::uint16_t required;  // the tones that must sound (all but a perfect fifth)
};
const ChordKindInfo& InfoOf(ChordKind kind);

// A chord spelled by pitch classes (0 = C ... 11 = B).
struct ChordSpelling {
  int root = 0;
  ChordKind kind = ChordKind::Major;
  std::optional<int> bass;  // the note after "/"
};

// Reads "C#m7", "Bbmaj7/F", "Asus4". Nullopt for anything else (a name that
// is not a chord, like "Rest", or a suffix that is not in the list).
std::optional<ChordSpelling> ParseChordName(std::string_view name);

// The name of a spelling: C, C#, D, Eb, E, F, F#, G, Ab, A, Bb, B.
std::string ChordNameText(const ChordSpelling& chord);
const char* PitchClassName(int pitchClass);

// The notes a chord shape sounds: MIDI note numbers of the played strings
// (the frets' standard pitches plus the tuning's offsets), lowest first.
std::vector<int> SoundingNotes(const std::array<std::int32_t, 6>& frets, const StringOffsets& offsets);

// True when the name's root, its third or sus tone and its own tones (7th,
// 6th, 9th, altered fifth) sound, no note outside the chord sounds and a
// slash chord's bass is the lowest note; the fifth may be left out.
bool NameMatchesNotes(std::string_view name, const std::vector<int>& notes);
bool SpellingMatchesNotes(const ChordSpelling& chord, const std::vector<int>& notes);

// The names that fit the notes, likeliest first: chords with their root in
// the bass, then slash chords over the lowest note, simpler chords first.
// Empty when no name fits (a single note, no note at all).
std::vector<ChordSpelling> NameNotes(const std::vector<int>& notes);
// The capo adds its semitones to every string, the frets being written
// relative to it.
std::vector<std::string> NameChord(const std::array<std::int32_t, 6>& frets, TuningTag tuning, int capo = 0);

}  // namespace strumbly
