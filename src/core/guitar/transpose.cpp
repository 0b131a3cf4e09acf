#include "core/guitar/transpose.h"

#include <algorithm>

#include "core/chordsheet/chord_line.h"
#include "core/guitar/chord_naming.h"

namespace strumbly {

namespace {

constexpr std::array<const char*, 12> kSharpNames = {"C", "C#", "D", "D#", "E", "F", "F#", "G", "G#", "A", "A#", "B"};
constexpr std::array<const char*, 12> kFlatNames = {"C", "Db", "D", "Eb", "E", "F", "Gb", "G", "Ab", "A", "Bb", "B"};
constexpr std::array<int, 7> kLetterPitch = {9, 11, 0, 2, 4, 5, 7};  // A to G

int Mod12(int n) { return ((n % 12) + 12) % 12; }

// A note name at the start of text: a letter A to G and an optional '#' or
// 'b'. Gives back its pitch class and advances past it, or -1.
int ReadNote(std::string_view& text) {
  if (text.empty() || text[0] < 'A' || text[0] > 'G') return -1;
  int pc = kLetterPitch[static_cast<std::size_t>(text[0] - 'A')];
  text.remove_prefix(1);
  if (!text.empty() && (text[0] == '#' || text[0] == 'b')) {
    pc += text[0] == '#' ? 1 : -1;
    text.remove_prefix(1);
  }
  return Mod12(pc);
}

// True when the kind is made of the words and signs chord names are
// spelled with.
bool IsChordKind(std::string_view kind) {
  // Longer words first, so that "maj" is not read as "m" and "aj".
  static constexpr std::string_view
      kWords[] = {"maj", "min", "dim", "aug", "sus", "add",      "alt",      "omit",    "no",
                  "ma",  "mi",  "m",   "M",   "o",   "+",        "-",        "#",       "b",
                  "(",   ")",   ",",   "^",   "/",   "\xCE\x94", "\xC2\xB0", "\xC3\xB8"};  // triangle, ring, o slash
  while (!kind.empty()) {
    if (kind[0] >= '0' && kind[0] <= '9') {
      kind.remove_prefix(1);
      continue;
    }
    bool found = false;
    for (std::string_view w : kWords)
      if (kind.substr(0, w.size()) == w) {
        kind.remove_prefix(w.size());
        found = true;
        break;
      }
    if (!found) return false;
  }
  return true;
}

bool IsMinorKind(std::string_view kind) {
  return (kind.substr(0, 1) == "m" && kind.substr(0, 3) != "maj") || kind.substr(0, 3) == "min" ||
         kind.substr(0, 2) == "mi";
}

std::string PartsKey(const ChordNameParts& p) {
  return std::to_string(p.root) + "|" + p.kind + "|" + std::to_string(p.bass);
}

bool InFretRange(const std::array<std::int32_t, 6>& frets) {
  for (std::int32_t f : frets)
    if (f != NotPlayed && (f < 0 || f > MaxFret)) return false;
  return true;
}

// The shape moved along the neck; nothing when a played string would leave
// frets 0 to 18.
std::optional<std::array<std::int32_t, 6>> Moved(std::array<std::int32_t, 6> frets, int by) {
  for (std::int32_t& f : frets) {
    if (f == NotPlayed) continue;
    f += by;
    if (f < 0 || f > MaxFret) return std::nullopt;
  }
  return frets;
}

std::string LineList(const std::vector<int>& indices) {
  std::string text;
  for (std::size_t i = 0; i < indices.size(); ++i) {
    if (i > 0) text += ", ";
    text += std::to_string(indices[i] + 1);
  }
  return text;
}

}  // namespace

std::optional<ChordNameParts> SplitChordName(std::string_view name) {
  ChordNameParts parts;
  parts.root = ReadNote(name);
  if (parts.root < 0) return std::nullopt;
  std::string_view kind = name;
  const auto slash = name.rfind('/');
  if (slash != std::string_view::npos) {
    std::string_view bass = name.substr(slash + 1);
    const int pc = ReadNote(bass);
    // "C6/9" is a kind, not a bass.
    if (pc >= 0 && bass.empty()) {
      parts.bass = pc;
      kind = name.substr(0, slash);
    }
  }
  if (!IsChordKind(kind)) return std::nullopt;
  parts.kind.assign(kind);
  return parts;
}

std::string JoinChordName(const ChordNameParts& parts, bool flats) {
  const auto& names = flats ? kFlatNames : kSharpNames;
  std::string text = names[static_cast<std::size_t>(Mod12(parts.root))];
  text += parts.kind;
  if (parts.bass >= 0) {
    text += '/';
    text += names[static_cast<std::size_t>(Mod12(parts.bass))];
  }
  return text;
}

bool IsFlatKey(int majorKeyPitchClass) {
  switch (Mod12(majorKeyPitchClass)) {
    case 5:   // F
    case 10:  // Bb
    case 3:   // Eb
    case 8:   // Ab
    case 1:   // Db
      return true;
    default:
      return false;
  }
}

std::string TransposeChordName(std::string_view name, int semitones, bool flats) {
  auto parts = SplitChordName(name);
  if (!parts) return std::string(name);
  parts->root = Mod12(parts->root + semitones);
  if (parts->bass >= 0) parts->bass = Mod12(parts->bass + semitones);
  return JoinChordName(*parts, flats);
}

DictionaryShapes::DictionaryShapes(const std::vector<std::string>& entries) {
  for (std::size_t i = 0; i < entries.size(); ++i) {
    ChordRecord r;
    if (!ParseChordText(entries[i], static_cast<int>(i), r).empty() || KindOf(r, {}) != RecordKind::Chord) continue;
    const auto parts = SplitChordName(r.Name);
    shapes_.try_emplace(parts ? PartsKey(*parts) : r.Name, r.Frets);
  }
}

std::optional<std::array<std::int32_t, 6>> DictionaryShapes::First(std::string_view name) const {
  const auto parts = SplitChordName(name);
  const auto it = shapes_.find(parts ? PartsKey(*parts) : std::string(name));
  if (it == shapes_.end()) return std::nullopt;
  return it->second;
}

TransposeResult TransposeLines(const std::vector<std::string>& lines, int first, int last, int semitones,
                               const ShapeLookup& lookup, TuningTag tuning, int capo) {
  TransposeResult result;
  const int count = static_cast<int>(lines.size());
  first = std::max(first, 0);
  last = std::min(last, count - 1);
  result.first = first;
  if (first > last) return result;
  result.lines.assign(lines.begin() + first, lines.begin() + last + 1);
  semitones = std::clamp(semitones, -kMaxTransposeSteps, kMaxTransposeSteps);
  if (semitones == 0) return result;

  StringOffsets offsets = TuningOffsets(tuning);
  for (int& o : offsets) o += capo;
  const bool standard = NormalizeTuningTag(tuning) == kStandardTuningTag;
  std::optional<bool> flats;
  ChordRecord r;
  for (int i = first; i <= last; ++i) {
    std::string& text = result.lines[static_cast<std::size_t>(i - first)];
    if (!ParseChordText(text, i, r).empty() || KindOf(r, {}) != RecordKind::Chord) continue;
    const auto parts = SplitChordName(r.Name);
    if (parts && !flats) {
      // The key of the first chord: a major chord's root, or a minor
      // chord's relative major.
      const int key = parts->root + semitones + (IsMinorKind(parts->kind) ? 3 : 0);
      flats = IsFlatKey(key);
    }
    const std::string newName = parts ? TransposeChordName(r.Name, semitones, flats.value_or(false)) : r.Name;
    std::optional<std::array<std::int32_t, 6>> shape = Moved(r.Frets, semitones);
    if (!shape) {
      if (parts && lookup) {
        // The dictionary's shapes are written without a capo: the shape to
        // look up is the one that sounds the new name at the nut.
        shape = lookup(capo ? TransposeChordName(newName, -capo, false) : newName);
        if (shape) {
          const auto spelling = ParseChordName(newName);
          const bool sounds = spelling ? SpellingMatchesNotes(*spelling, SoundingNotes(*shape, offsets)) : standard;
          if (!sounds || !InFretRange(*shape)) shape.reset();
        }
      }
      if (!shape) shape = Moved(r.Frets, semitones > 0 ? semitones - 12 : semitones + 12);
      if (!shape) {
        result.stayed.push_back(i);
        continue;
      }
    }
    if (newName == r.Name && *shape == r.Frets) continue;
    r.Name = newName;
    r.Frets = *shape;
    text = FormatChordLine(r);
  }
  if (!result.stayed.empty())
    result.report = (result.stayed.size() == 1 ? "The chord on line " : "The chords on lines ") +
                    LineList(result.stayed) + (result.stayed.size() == 1 ? " was" : " were") +
                    " not transposed: no shape of the new chord lies within frets 0 to 18.";
  return result;
}

}  // namespace strumbly
