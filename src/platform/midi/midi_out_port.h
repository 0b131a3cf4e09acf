#pragma once
// The program's one MIDI output port. It keeps no musical state: the device,
// channel and octave shift are read from the settings it is given at the
// moment it opens or sends.
#include <cstdint>
#include <string>

#include "platform/midi/midi_output.h"

namespace strumbly {

struct MidiPortSettings {
  std::int32_t Device = -1;   // -1 = the default device
  std::int32_t Octave = 0;    // -12, 0 or 12, added to every key
  std::uint8_t Channel = 0;   // 0-based; only the low four bits are used
};

class MidiOutPort {
 public:
  // Both must outlive the port.
  MidiOutPort(MidiOutputService& service, const MidiPortSettings& settings)
      : service_(&service), settings_(&settings) {}
  ~MidiOutPort() { CloseMidiPort(); }
  MidiOutPort(const MidiOutPort&) = delete;
  MidiOutPort& operator=(const MidiOutPort&) = delete;

  // Opens the device of the settings; the empty text on success, the error
  // text otherwise. Opening an open port keeps it as it is.
  std::string OpenMidiPort();
  void CloseMidiPort();
  bool PortOpen() const { return open_; }

  // Nothing is sent while the port is closed.
  void SendNoteOn(int key);
  void SendNoteOff(int key);
  void SendProgramChange(int program);

  int MidiDeviceCount();
  std::string MidiDeviceName(int id);

  MidiOutputService& Service() { return *service_; }
  // Points the port at another service; the open device is closed first.
  void SetService(MidiOutputService& service);

 private:
  MidiOutputService* service_;
  const MidiPortSettings* settings_;
  bool open_ = false;
};

}  // namespace strumbly
