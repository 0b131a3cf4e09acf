#include "platform/midi/system_midi_output.h"

#include "platform/midi/builtin_synth.h"

namespace strumbly {

SystemMidiOutput& SystemMidiOutput::Instance() {
  static SystemMidiOutput output;
  return output;
}

int SystemMidiOutput::DeviceCount() { return ports_.Count(); }

std::string SystemMidiOutput::DeviceName(int id) {
  if (id == -1) return BuiltinSynth::kDeviceName;
  if (id < 0 || id >= DeviceCount()) return {};
  return ports_.Name(id);
}

MidiOpenResult SystemMidiOutput::Open(int id) {
  if (open_ != Target::None) return MidiOpenResult::Allocated;
  if (id == -1) {
    if (!BuiltinSynth::Instance().WaitUntilReady()) return MidiOpenResult::NoDevice;
    open_ = Target::Synth;
    return MidiOpenResult::Ok;
  }
  if (id < 0 || id >= DeviceCount()) return MidiOpenResult::BadDeviceId;
  const MidiOpenResult result = ports_.Open(id);
  if (result == MidiOpenResult::Ok) open_ = Target::Port;
  return result;
}

void SystemMidiOutput::Send(const ShortMessage& message) {
  switch (open_) {
    case Target::Synth:
      BuiltinSynth::Instance().Send(message);
      break;
    case Target::Port:
      ports_.Send(message);
      break;
    case Target::None:
      break;
  }
}

void SystemMidiOutput::SendAt(const ShortMessage& message, std::chrono::steady_clock::time_point at) {
  switch (open_) {
    case Target::Synth:
      BuiltinSynth::Instance().SendAt(message, at);
      break;
    case Target::Port:
      ports_.Send(message);
      break;
    case Target::None:
      break;
  }
}

void SystemMidiOutput::Close() {
  if (open_ == Target::Port) ports_.Close();
  open_ = Target::None;
}

}  // namespace strumbly
