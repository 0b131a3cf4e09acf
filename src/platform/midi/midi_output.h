#pragma once
// The MIDI output service: the devices the program can sound through. Id -1
// is the default device (the built-in synthesizer), ids 0..count-1 the
// system's output ports. One device is open at a time.
#include <chrono>
#include <string>

#include "core/sound/midi_message.h"

namespace strumbly {

enum class MidiOpenResult {
  Ok,
  BadDeviceId,  // id at or above the count, or below -1
  Allocated,    // another program holds the device
  NoMemory,
  InvalidParam,
  NoDevice,  // no soundfont or no audio output, or no MIDI service at all
  Error,     // anything else
};

// The user's text for a result; empty for Ok.
std::string MidiOpenErrorText(MidiOpenResult result);

class MidiOutputService {
 public:
  virtual ~MidiOutputService() = default;
  virtual int DeviceCount() = 0;
  // The device's name; the empty text for an id that names no device.
  virtual std::string DeviceName(int id) = 0;
  virtual MidiOpenResult Open(int id) = 0;
  // Sends one message to the open device; nothing when none is open.
  virtual void Send(const ShortMessage& message) = 0;
  // Sends the message to sound at the moment at. A device that cannot
  // place messages in time sends it now; so does this default.
  virtual void SendAt(const ShortMessage& message, std::chrono::steady_clock::time_point at) {
    (void)at;
    Send(message);
  }
  virtual void Close() = 0;
};

}  // namespace strumbly
