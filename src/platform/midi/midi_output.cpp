#include "platform/midi/midi_output.h"

namespace strumbly {

std::string MidiOpenErrorText(MidiOpenResult result) {
  switch (result) {
    case MidiOpenResult::Ok:
      return {};
    case MidiOpenResult::BadDeviceId:
      return "The specified device identifier is out of range.";
    case MidiOpenResult::Allocated:
      return "The MIDI device is already in use.";
    case MidiOpenResult::NoMemory:
      return "The system is unable to allocate or lock memory.";
    case MidiOpenResult::InvalidParam:
      return "The specified pointer or structure is invalid.";
    case MidiOpenResult::NoDevice:
      return "No MIDI port was found.";
    case MidiOpenResult::Error:
      break;
  }
  return "Error";
}

}  // namespace strumbly
