#pragma once
// The three MIDI messages the program sends, as three-byte short messages.
// Data bytes are kept inside 0..127 whatever the settings or the song file
// hold, so a message can never turn into another kind of message.
#include <cstdint>

namespace strumbly {

struct ShortMessage {
  std::uint8_t status = 0;
  std::uint8_t data1 = 0;
  std::uint8_t data2 = 0;

  // The packed form: status in the low byte, then data 1 and data 2.
  std::uint32_t Packed() const { return status | (data1 << 8) | (data2 << 16); }
  // The high nibble of the status byte (0x80, 0x90, 0xC0 ...).
  std::uint8_t Kind() const { return status & 0xF0; }
  std::uint8_t Channel() const { return status & 0x0F; }
  friend bool operator==(const ShortMessage&, const ShortMessage&) = default;
};

inline constexpr std::uint8_t kNoteOffStatus = 0x80;
inline constexpr std::uint8_t kNoteOnStatus = 0x90;
inline constexpr std::uint8_t kProgramChangeStatus = 0xC0;
inline constexpr std::uint8_t kNoteOnVelocity = 127;

// The key actually sent for a note: key plus octave shift, clamped to 0..127
// so an extreme shift plays the nearest key the device has instead of a
// wrapped, unrelated one.
std::uint8_t SoundedKey(int key, int octaveShift);

// Only the low four bits of the channel are used (0..15).
ShortMessage NoteOnMessage(int channel, int key, int octaveShift);
ShortMessage NoteOffMessage(int channel, int key, int octaveShift);
// A program above 127 is sent as its low seven bits.
ShortMessage ProgramChangeMessage(int channel, int program);

}  // namespace strumbly
