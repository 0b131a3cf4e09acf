#pragma once
// The song state that is not lines of the sheet: instrument and tempo, as
// the song file's info lines give them.
#include <cstdint>

namespace strumbly {

inline constexpr int kMinTempo = 1;
inline constexpr int kMaxTempo = 500;
inline constexpr int kUserInstrumentMenuIndex = 9;  // MIDIPatch1, after the separator at 8

// Position of the instrument's item in the Instrument menu: the eight guitar
// programs 24..31 are items 0..7; every other program is the user item.
int InstrumentMenuIndex(int patch);

// The instrument program as held: the low 8 bits of the value read.
std::uint8_t PatchFromInfo(std::int32_t value);
// The tempo as the tempo bar holds it: 1 to 500.
int TempoFromInfo(std::int32_t value);

}  // namespace strumbly
