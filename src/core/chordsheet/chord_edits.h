#pragma once
// The text changes behind the chord editing commands: template lines,
// transposing, re-timing and renaming a line, and the neck's marker names.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/chordsheet/chord_line.h"

namespace strumbly {

inline constexpr const char* kDefaultDuration = " Q";
inline constexpr std::size_t kMaxDurationChars = 5;
// What the name box says when a name holds a comma, which ends a name.
inline constexpr const char* kNameCommaMessage = "A chord name cannot contain a comma.";

// name + " , x, x, x, x, x, x," + duration: a chord with no string played.
std::string TemplateLine(std::string_view name, std::string_view duration);

// Sets one string (index 0 = string 1) of a chord to a fret, -1 for x, and
// its standard-tuning pitch with it.
void SetFret(ChordRecord& record, int stringIndex, std::int32_t fret);

// The frets one fret lower (step -1) or higher (step +1). Strings at x stay
// at x; a string pushed below the open string or past MaxFret drops out.
std::array<std::int32_t, 6> ShiftedFrets(const std::array<std::int32_t, 6>& frets, int step);

// " Q", or " .E" when dotted: the code a duration button writes.
std::string DurationCode(char letter, bool dotted);

// The line up to its last comma followed by the code; the rest of the line
// keeps its own spacing. A line without comma is returned unchanged.
std::string RetimedLine(std::string_view line, std::string_view code);

// The new name exactly as typed followed by the line's text from its first
// comma, trimmed.
std::string RenamedLine(std::string_view line, std::string_view name);

// Six silent pitches but one: the fret's standard pitch on the string.
std::array<std::uint8_t, 6> SingleNotePitches(int stringIndex, int fret);

}  // namespace strumbly
