#pragma once
// The program's one MIDI output port. It keeps no musical state: the device
// (Device, -1 = the default), channel (Channel, low four bits used) and
// octave shift (Octave, added to every key) are read from the settings it is
// given at the moment it opens or sends.
#include <chrono>
#include <cstdint>
#include <string>

#include "core/app/settings.h"
#include "platform/midi/midi_output.h"

namespace strumbly {

class MidiOutPort {
 public:
  // Both must outlive the port.
  MidiOutPort(MidiOutputService& service, const Settings& settings) : service_(&service), settings_(&settings) {}
  ~MidiOutPort() { CloseMidiPort(); }
  MidiOutPort(const MidiOutPort&) = delete;
  MidiOutPort& operator=(const MidiOutPort&) = delete;

  // Opens the device of the settings; the empty text on success, the error
  // text otherwise. Opening an open port keeps it as it is.
  std::string OpenMidiPort();
  void CloseMidiPort();
  bool PortOpen() const { return open_; }

  using TimePoint = std::chrono::steady_clock::time_point;

  // Nothing is sent while the port is closed.
  void SendNoteOn(int key);
  void SendNoteOff(int key);
  void SendProgramChange(int program);
  // The same, to sound at the moment at: the time the schedule planned, not
  // the time the sender got round to it. Devices that cannot place
  // messages in time sound them now.
  void SendNoteOn(int key, TimePoint at);
  void SendNoteOff(int key, TimePoint at);
  void SendProgramChange(int program, TimePoint at);

  int MidiDeviceCount();
  std::string MidiDeviceName(int id);

  MidiOutputService& Service() { return *service_; }
  // Points the port at another service; the open device is closed first.
  void SetService(MidiOutputService& service);

 private:
  MidiOutputService* service_;
  const Settings* settings_;
  bool open_ = false;
};

}  // namespace strumbly
