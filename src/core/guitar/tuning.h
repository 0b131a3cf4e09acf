#pragma once
// Guitar tunings. A tuning tag is a number of six decimal digits, the first
// for string 6 and the last for string 1; digit d tunes its string d - 5
// semitones away from standard pitch, so 555555 is standard tuning.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace strumbly {

using TuningTag = std::int32_t;
// Offsets in semitones, string 1 first.
using StringOffsets = std::array<int, 6>;

inline constexpr TuningTag kStandardTuningTag = 555555;
inline constexpr TuningTag kDefaultUserTuningTag = 133565;
inline constexpr const char* kDefaultUserTuningCaption = "&Custom Tuning - C G C G C E";
inline constexpr const char* kTuningHint = "Guitar Tuning.";
inline constexpr const char* kUserTuningHint = "User selected tuning. Set using File/Settings.";

struct TuningPreset {
  const char* objectName;
  TuningTag tag;
  const char* caption;
};

// The preset items of the Tuning menu, in menu order (positions 0 to 3).
inline constexpr std::array<TuningPreset, 4> kTuningPresets = {{
    {"Standard1", 555555, "&Standard Tuning - E A D G B E"},
    {"DMajor1", 355433, "&D Major Tuning - D A D F# A D"},
    {"GMajor1", 335553, "&G Major Tuning - D G D G B D"},
    {"DroppedD1", 355555, "Dro&pped D Tuning - D A D G B E"},
}};

// A tag whose decimal text has fewer than six characters or is negative
// cannot be read digit by digit; it stands for standard tuning.
bool IsReadableTuningTag(TuningTag tag);
TuningTag NormalizeTuningTag(TuningTag tag);

// The six digits of the tag, string 6 first (characters after the sixth are
// ignored). Unreadable tags give the digits of 555555.
std::array<int, 6> TuningDigits(TuningTag tag);

// Offsets of the tag, string 1 first: digit - 5 (a digit 0 gives -5).
StringOffsets TuningOffsets(TuningTag tag);
// The tag of offsets from -5 to 4 (others are clamped to that range).
TuningTag TuningTagOf(const StringOffsets& offsets);

// Note names by digit (0 to 9) and string index (0 = string 1), spelled with
// sharps; digit 0 has the name "?".
extern const std::array<std::array<const char*, 6>, 10> TuningNoteTable;
inline const char* TuningNoteName(int digit, int stringIndex) {
  if (digit < 0 || digit > 9 || stringIndex < 0 || stringIndex > 5) return "?";
  return TuningNoteTable[static_cast<std::size_t>(digit)][static_cast<std::size_t>(stringIndex)];
}

// "&Custom Tuning - C G C G C E": the note names of the tag, string 6 first.
std::string BuildCustomTuningCaption(TuningTag tag);

// The preset of the tag (after NormalizeTuningTag), or null for any other.
const TuningPreset* FindTuningPreset(TuningTag tag);

// The Tuning menu's caption for the tag: its preset's, or for any other the
// custom caption of its notes, as the user item takes it.
std::string TuningCaption(TuningTag tag);

// A menu caption as the status bar shows it: the text before the first "&"
// followed by at most 100 characters after it.
std::string TuningStatusText(std::string_view caption);

// The MIDI note that sounds for a standard-tuning pitch under a string's
// offset; a pitch of 255 (string not played) stays 255.
int SoundingPitch(std::uint8_t pitch, int offset);
std::array<int, 6> SoundingPitches(const std::array<std::uint8_t, 6>& pitches, const StringOffsets& offsets);

}  // namespace strumbly
