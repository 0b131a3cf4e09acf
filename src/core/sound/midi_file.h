#pragma once
// The Standard MIDI File of a song: format 1, a setup track and a note track,
// 96 ticks per quarter note, every note on channel 1.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/guitar/tuning.h"
#include "core/sound/chord_list.h"

namespace strumbly {

inline constexpr std::int32_t kTicksPerQuarterNote = 96;
inline constexpr std::int32_t TicksPerWholeNote = 4 * kTicksPerQuarterNote;  // 384
// The tempo field holds three bytes.
inline constexpr std::uint32_t kMaxTempoMicroseconds = 0xFFFFFF;
inline constexpr const char* kMidiFilter = "Midi files (*.mid)|*.mid|All Files (*.*)|*.*";

// Microseconds per quarter note for a tempo in beats per minute. Tempos too
// slow for the field (1 to 3) give the slowest tempo it can state; a tempo
// below 1 counts as 1.
std::uint32_t TempoMicroseconds(int tempo);

// Appends the variable-length form of value (seven bits per byte, most
// significant group first) and gives back the number of bytes appended.
int WriteVarLen(std::string& out, std::uint32_t value);

// The whole file. The chord records' DurationMs must hold their lengths in
// ticks (ComputeDurations with TicksPerWholeNote). A program above 127 is
// written as its low seven bits, as the live port sends it.
std::string MidiFileBytes(const ChordList& list, int program, int tempo, const StringOffsets& offsets);

// The name the save dialog proposes: the song's name with its extension
// replaced by ".MID" ("Blues.sly" gives "Blues.MID").
std::string ProposedMidiFileName(std::string_view songFileName);

}  // namespace strumbly
