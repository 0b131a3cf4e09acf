#pragma once
// One line of a song: a chord, a comment or a blank line. The parser here is
// the program's only validator; its messages are what the user reads.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace strumbly {

inline constexpr int MaxFret = 18;
inline constexpr int NotPlayed = -1;
inline constexpr std::uint8_t SilentPitch = 255;
inline constexpr std::array<std::uint8_t, 6> StandardOpenPitch = {64, 59, 55, 50, 45, 40};
inline constexpr std::array<const char*, 6> StringNames = {"High E", "B", "G", "D", "A", "Low E"};
inline constexpr std::size_t kMaxNameChars = 79;
inline constexpr std::size_t kMaxCommentChars = 80;

// Arrays hold string 1 (high E) first.
struct ChordRecord {
  std::string Name;
  std::array<std::int32_t, 6> Frets{NotPlayed, NotPlayed, NotPlayed, NotPlayed, NotPlayed, NotPlayed};
  std::array<std::uint8_t, 6> Pitches{SilentPitch, SilentPitch, SilentPitch, SilentPitch, SilentPitch, SilentPitch};
  std::string Duration;
  std::int32_t DurationMs = 0;
};

enum class RecordKind { Chord, Comment, Blank, Bad };

bool IsCommentLine(std::string_view text);

// The length of a duration code given the length of a whole note; 0 for an
// unknown code. Letters may be in either case.
std::int32_t DurationValue(std::string_view code, std::int32_t whole);

// Parses the text of the line with the given 0-based index. Returns the error
// text ("Line 3    Too many commas.") or the empty text on success. The
// record is reset first; after a failure it may hold what was read so far.
std::string ParseChordText(std::string_view text, int lineIndex, ChordRecord& record);

// Classifies a record by its parse result and name, as every user does.
RecordKind KindOf(const ChordRecord& record, const std::string& error);

// "C, x, 3, 2, 0, 1, 0, Q": name, frets from string 6 to 1, duration.
std::string FormatChordLine(const ChordRecord& record);

// The pitch of a fret on a string (index 0 = string 1) in standard tuning.
inline std::uint8_t StandardPitch(int stringIndex, int fret) {
  return fret == NotPlayed ? SilentPitch
                           : static_cast<std::uint8_t>(StandardOpenPitch[static_cast<std::size_t>(stringIndex)] + fret);
}

}  // namespace strumbly
