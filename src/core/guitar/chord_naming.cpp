#include "core/guitar/chord_naming.h"

#include <algorithm>
#include <tuple>

#include "core/chordsheet/chord_line.h"

namespace strumbly {

namespace {

constexpr std::uint16_t Bits(std::initializer_list<int> intervals) {
  std::uint16_t mask = 0;
  for (int i : intervals) mask = static_cast<std::uint16_t>(mask | (1u << i));
  return mask;
}

// The fifth (7 semitones) may be left out of every chord that has one, except
// the power chord, which is nothing but root and fifth.
constexpr std::uint16_t WithoutFifth(std::uint16_t tones) { return static_cast<std::uint16_t>(tones & ~(1u << 7)); }

constexpr ChordKindInfo Kind(ChordKind kind, const char* suffix, std::uint16_t tones) {
  return {kind, suffix, tones, kind == ChordKind::Power ? tones : WithoutFifth(tones)};
}

// In enum order.
constexpr std::array<ChordKindInfo, kChordKindCount> kKinds = {{
    Kind(ChordKind::Major, "", Bits({0, 4, 7})),
    Kind(ChordKind::Minor, "m", Bits({0, 3, 7})),
    Kind(ChordKind::Seventh, "7", Bits({0, 4, 7, 10})),
    Kind(ChordKind::Major7, "maj7", Bits({0, 4, 7, 11})),
    Kind(ChordKind::Minor7, "m7", Bits({0, 3, 7, 10})),
    Kind(ChordKind::Sixth, "6", Bits({0, 4, 7, 9})),
    Kind(ChordKind::Minor6, "m6", Bits({0, 3, 7, 9})),
    Kind(ChordKind::Ninth, "9", Bits({0, 2, 4, 7, 10})),
    Kind(ChordKind::Add9, "add9", Bits({0, 2, 4, 7})),
    Kind(ChordKind::Sus2, "sus2", Bits({0, 2, 7})),
    Kind(ChordKind::Sus4, "sus4", Bits({0, 5, 7})),
    Kind(ChordKind::Seventh4, "7sus4", Bits({0, 5, 7, 10})),
    Kind(ChordKind::Diminished, "dim", Bits({0, 3, 6})),
    Kind(ChordKind::Dim7, "dim7", Bits({0, 3, 6, 9})),
    Kind(ChordKind::HalfDim, "m7b5", Bits({0, 3, 6, 10})),
    Kind(ChordKind::Augmented, "aug", Bits({0, 4, 8})),
    Kind(ChordKind::Power, "5", Bits({0, 7})),
}};

// How readily a guitarist reaches for each kind when two names fit the same
// notes over the same bass: triads before sevenths before colourings.
constexpr std::array<ChordKind, kChordKindCount> kLikeliness = {
    ChordKind::Major,     ChordKind::Minor,    ChordKind::Seventh,    ChordKind::Minor7, ChordKind::Major7,
    ChordKind::Sus4,      ChordKind::Sus2,     ChordKind::Sixth,      ChordKind::Minor6, ChordKind::Add9,
    ChordKind::Ninth,     ChordKind::Seventh4, ChordKind::Diminished, ChordKind::Dim7,   ChordKind::HalfDim,
    ChordKind::Augmented, ChordKind::Power,
};

int LikelinessRank(ChordKind kind) {
  return static_cast<int>(std::find(kLikeliness.begin(), kLikeliness.end(), kind) - kLikeliness.begin());
}

constexpr std::array<const char*, 12> kPitchNames = {"C", "C#", "D", "Eb", "E", "F", "F#", "G", "Ab", "A", "Bb", "B"};

// The chord's tones moved up to its root, as a set of pitch classes.
std::uint16_t Transpose(std::uint16_t intervals, int root) {
  const unsigned wide = static_cast<unsigned>(intervals) << root;
  return static_cast<std::uint16_t>((wide | (wide >> 12)) & 0xFFF);
}

int PitchClass(int note) { return ((note % 12) + 12) % 12; }

// Reads a note letter with an optional accidental from the front of text.
std::optional<int> ReadNote(std::string_view& text) {
  static constexpr int kLetters[7] = {9, 11, 0, 2, 4, 5, 7};  // A to G
  if (text.empty() || text[0] < 'A' || text[0] > 'G') return std::nullopt;
  int pc = kLetters[text[0] - 'A'];
  text.remove_prefix(1);
  if (!text.empty() && (text[0] == '#' || text[0] == 'b')) {
    pc += text[0] == '#' ? 1 : -1;
    text.remove_prefix(1);
  }
  return PitchClass(pc);
}

struct NoteSet {
  std::uint16_t classes = 0;
  int bass = -1;  // pitch class of the lowest note
};

NoteSet Collect(const std::vector<int>& notes) {
  NoteSet set;
  int lowest = 0;
  for (int n : notes) {
    if (set.bass < 0 || n < lowest) {
      lowest = n;
      set.bass = PitchClass(n);
    }
    set.classes = static_cast<std::uint16_t>(set.classes | (1u << PitchClass(n)));
  }
  return set;
}

bool Fits(const ChordSpelling& chord, const NoteSet& set) {
  if (set.bass < 0) return false;
  const ChordKindInfo& info = InfoOf(chord.kind);
  const std::uint16_t required = Transpose(info.required, chord.root);
  std::uint16_t allowed = Transpose(info.tones, chord.root);
  if (chord.bass) {
    if (*chord.bass != set.bass) return false;
    allowed = static_cast<std::uint16_t>(allowed | (1u << *chord.bass));
  }
  return (set.classes & required) == required && (set.classes & ~allowed) == 0;
}

}  // namespace

const ChordKindInfo& InfoOf(ChordKind kind) { return kKinds[static_cast<std::size_t>(kind)]; }

const char* PitchClassName(int pitchClass) { return kPitchNames[static_cast<std::size_t>(PitchClass(pitchClass))]; }

std::optional<ChordSpelling> ParseChordName(std::string_view name) {
  ChordSpelling chord;
  const auto root = ReadNote(name);
  if (!root) return std::nullopt;
  chord.root = *root;
  const std::size_t slash = name.find('/');
  const std::string_view suffix = name.substr(0, slash);
  const auto kind =
      std::find_if(kKinds.begin(), kKinds.end(), [&](const ChordKindInfo& k) { return suffix == k.suffix; });
  if (kind == kKinds.end()) return std::nullopt;
  chord.kind = kind->kind;
  if (slash != std::string_view::npos) {
    std::string_view bassText = name.substr(slash + 1);
    const auto bass = ReadNote(bassText);
    if (!bass || !bassText.empty()) return std::nullopt;
    chord.bass = *bass;
  }
  return chord;
}

std::string ChordNameText(const ChordSpelling& chord) {
  std::string text = PitchClassName(chord.root);
  text += InfoOf(chord.kind).suffix;
  if (chord.bass) {
    text += '/';
    text += PitchClassName(*chord.bass);
  }
  return text;
}

std::vector<int> SoundingNotes(const std::array<std::int32_t, 6>& frets, const StringOffsets& offsets) {
  std::vector<int> notes;
  for (std::size_t i = 0; i < 6; ++i) {
    if (frets[i] < 0 || frets[i] > MaxFret) continue;
    notes.push_back(StandardPitch(static_cast<int>(i), frets[i]) + offsets[i]);
  }
  std::sort(notes.begin(), notes.end());
  return notes;
}

bool SpellingMatchesNotes(const ChordSpelling& chord, const std::vector<int>& notes) {
  return Fits(chord, Collect(notes));
}

bool NameMatchesNotes(std::string_view name, const std::vector<int>& notes) {
  const auto chord = ParseChordName(name);
  return chord && SpellingMatchesNotes(*chord, notes);
}

std::vector<ChordSpelling> NameNotes(const std::vector<int>& notes) {
  const NoteSet set = Collect(notes);
  std::vector<ChordSpelling> names;
  if (set.bass < 0) return names;

  // A chord built on the lowest note needs no slash.
  for (ChordKind kind : kLikeliness) {
    const ChordSpelling chord{set.bass, kind, std::nullopt};
    if (Fits(chord, set)) names.push_back(chord);
  }

  // Then the lowest note as the bass under a chord on another root: an
  // inversion when it is one of the chord's tones, a bass of its own when
  // not. Simpler chords come first, so a walking bass under a triad reads
  // as G/F# rather than Gmaj7/F#.
  struct Ranked {
    int kindRank;
    int foreignBass;
    ChordSpelling chord;
  };
  std::vector<Ranked> slash;
  for (int root = 0; root < 12; ++root) {
    if (root == set.bass || !(set.classes & (1u << root))) continue;
    for (const ChordKindInfo& info : kKinds) {
      const ChordSpelling chord{root, info.kind, set.bass};
      if (!Fits(chord, set)) continue;
      const std::uint16_t tones = Transpose(info.tones, root);
      const bool foreign = !(tones & (1u << set.bass));
      // Over a bass of its own the chord has to be whole to be heard as
      // itself: E A over C is an A minor chord, not Esus4/C or A5/C.
      if (foreign && (info.kind == ChordKind::Power || (set.classes & tones) != tones)) continue;
      slash.push_back({LikelinessRank(info.kind), foreign ? 1 : 0, chord});
    }
  }
  std::stable_sort(slash.begin(), slash.end(), [](const Ranked& a, const Ranked& b) {
    return std::tie(a.kindRank, a.foreignBass) < std::tie(b.kindRank, b.foreignBass);
  });
  for (const Ranked& r : slash) names.push_back(r.chord);
  return names;
}

std::vector<std::string> NameChord(const std::array<std::int32_t, 6>& frets, TuningTag tuning, int capo) {
  std::vector<std::string> names;
  StringOffsets offsets = TuningOffsets(tuning);
  for (int& o : offsets) o += capo;
  for (const ChordSpelling& chord : NameNotes(SoundingNotes(frets, offsets))) names.push_back(ChordNameText(chord));
  return names;
}

}  // namespace strumbly
