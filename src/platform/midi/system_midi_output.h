#pragma once
// The program's MIDI output service on Linux: id -1 is the built-in
// synthesizer, ids 0..n-1 the ALSA sequencer's output ports.
#include "platform/midi/alsa_midi_ports.h"
#include "platform/midi/midi_output.h"

namespace strumbly {

class SystemMidiOutput : public MidiOutputService {
 public:
  static SystemMidiOutput& Instance();

  int DeviceCount() override;
  std::string DeviceName(int id) override;
  MidiOpenResult Open(int id) override;
  void Send(const ShortMessage& message) override;
  // The built-in synthesizer places the message in time; the system's
  // ports send it at once.
  void SendAt(const ShortMessage& message, std::chrono::steady_clock::time_point at) override;
  void Close() override;

 private:
  enum class Target { None, Synth, Port };
  Target open_ = Target::None;
  AlsaMidiPorts ports_;
};

}  // namespace strumbly
