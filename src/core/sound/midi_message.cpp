#include "core/sound/midi_message.h"

#include <algorithm>

namespace strumbly {

namespace {
std::uint8_t StatusByte(std::uint8_t base, int channel) {
  return static_cast<std::uint8_t>(base | (static_cast<unsigned>(channel) & 0x0Fu));
}
}  // namespace

std::uint8_t SoundedKey(int key, int octaveShift) {
  const long long sum = static_cast<long long>(key) + octaveShift;
  return static_cast<std::uint8_t>(std::clamp<long long>(sum, 0, 127));
}

ShortMessage NoteOnMessage(int channel, int key, int octaveShift) {
  return {StatusByte(kNoteOnStatus, channel), SoundedKey(key, octaveShift), kNoteOnVelocity};
}

ShortMessage NoteOffMessage(int channel, int key, int octaveShift) {
  return {StatusByte(kNoteOffStatus, channel), SoundedKey(key, octaveShift), 0};
}

ShortMessage ProgramChangeMessage(int channel, int program) {
  return {StatusByte(kProgramChangeStatus, channel), static_cast<std::uint8_t>(static_cast<unsigned>(program) & 0x7Fu),
          0};
}

}  // namespace strumbly
