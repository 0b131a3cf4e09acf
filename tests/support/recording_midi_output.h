#pragma once
// A MIDI output service for tests and benchmarks: it records every message
// with the moment it arrived, and can pretend to have devices or to fail.
#include <chrono>
#include <string>
#include <vector>

#include "platform/midi/midi_output.h"

namespace strumbly::test {

struct RecordedMessage {
  ShortMessage message;
  std::chrono::steady_clock::time_point at;
  int device = 0;
};

class RecordingMidiOutput : public MidiOutputService {
 public:
  // Names of the devices 0..n-1; id -1 is "Test Synthesizer".
  std::vector<std::string> deviceNames;
  // What the next opens give back.
  MidiOpenResult openResult = MidiOpenResult::Ok;

  std::vector<RecordedMessage> messages;  // only what reached an open device
  int opens = 0;                          // successful opens
  int openAttempts = 0;
  int closes = 0;
  int openDevice = -2;  // -2 while closed

  int DeviceCount() override { return static_cast<int>(deviceNames.size()); }
  std::string DeviceName(int id) override;
  MidiOpenResult Open(int id) override;
  void Send(const ShortMessage& message) override;
  void Close() override;

  bool IsOpen() const { return openDevice != -2; }
  void Clear() { messages.clear(); }
  // The messages of one kind (0x80, 0x90, 0xC0), in order.
  std::vector<ShortMessage> OfKind(std::uint8_t kind) const;
  // The keys of the note-ons, in order.
  std::vector<int> NoteOnKeys() const;
};

}  // namespace strumbly::test
