#include "support/recording_midi_output.h"

namespace strumbly::test {

std::string RecordingMidiOutput::DeviceName(int id) {
  if (id == -1) return "Test Synthesizer";
  if (id < 0 || id >= DeviceCount()) return {};
  return deviceNames[static_cast<std::size_t>(id)];
}

MidiOpenResult RecordingMidiOutput::Open(int id) {
  ++openAttempts;
  if (IsOpen()) return MidiOpenResult::Allocated;
  if (id < -1 || id >= DeviceCount()) return MidiOpenResult::BadDeviceId;
  if (openResult != MidiOpenResult::Ok) return openResult;
  ++opens;
  openDevice = id;
  return MidiOpenResult::Ok;
}

void RecordingMidiOutput::Send(const ShortMessage& message) {
  if (IsOpen()) messages.push_back({message, std::chrono::steady_clock::now(), openDevice});
}

void RecordingMidiOutput::Close() {
  if (!IsOpen()) return;
  ++closes;
  openDevice = -2;
}

std::vector<ShortMessage> RecordingMidiOutput::OfKind(std::uint8_t kind) const {
  std::vector<ShortMessage> out;
  for (const auto& m : messages)
    if (m.message.Kind() == kind) out.push_back(m.message);
  return out;
}

std::vector<int> RecordingMidiOutput::NoteOnKeys() const {
  std::vector<int> keys;
  for (const auto& m : OfKind(kNoteOnStatus)) keys.push_back(m.data1);
  return keys;
}

}  // namespace strumbly::test
