#pragma once
// The ALSA sequencer's writable output ports (hardware synthesizers, MIDI
// interfaces, software synthesizers), numbered from 0 and named by their
// port names. A machine without a sequencer has no ports; nothing fails.
#include <memory>
#include <string>

#include "platform/midi/midi_output.h"

class RtMidiOut;

namespace strumbly {

class AlsaMidiPorts {
 public:
  AlsaMidiPorts();
  ~AlsaMidiPorts();
  int Count();
  std::string Name(int index);  // empty when there is no such port
  MidiOpenResult Open(int index);
  void Send(const ShortMessage& message);
  void Close();

 private:
  RtMidiOut* Client();
  std::unique_ptr<RtMidiOut> client_;
  bool unavailable_ = false;
};

}  // namespace strumbly
