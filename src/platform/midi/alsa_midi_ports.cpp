#include "platform/midi/alsa_midi_ports.h"

#include <RtMidi.h>

#include <filesystem>

namespace strumbly {

namespace {
constexpr const char* kSequencerDevice = "/dev/snd/seq";
}

AlsaMidiPorts::AlsaMidiPorts() = default;
AlsaMidiPorts::~AlsaMidiPorts() { Close(); }

RtMidiOut* AlsaMidiPorts::Client() {
  if (client_ || unavailable_) return client_.get();
  std::error_code ec;
  if (!std::filesystem::exists(kSequencerDevice, ec)) {
    unavailable_ = true;
    return nullptr;
  }
  try {
    client_ = std::make_unique<RtMidiOut>(RtMidi::LINUX_ALSA, "Strumbly");
  } catch (const RtMidiError&) {
    unavailable_ = true;
  }
  return client_.get();
}

int AlsaMidiPorts::Count() {
  RtMidiOut* client = Client();
  if (!client) return 0;
  try {
    return static_cast<int>(client->getPortCount());
  } catch (const RtMidiError&) {
    return 0;
  }
}

std::string AlsaMidiPorts::Name(int index) {
  RtMidiOut* client = Client();
  if (!client || index < 0) return {};
  try {
    return client->getPortName(static_cast<unsigned>(index));
  } catch (const RtMidiError&) {
    return {};
  }
}

MidiOpenResult AlsaMidiPorts::Open(int index) {
  RtMidiOut* client = Client();
  if (!client) return MidiOpenResult::NoDevice;
  if (index < 0 || index >= Count()) return MidiOpenResult::BadDeviceId;
  if (client->isPortOpen()) return MidiOpenResult::Allocated;
  try {
    client->openPort(static_cast<unsigned>(index), "Strumbly Output");
  } catch (const RtMidiError& e) {
    switch (e.getType()) {
      case RtMidiError::INVALID_PARAMETER:
      case RtMidiError::INVALID_DEVICE:
        return MidiOpenResult::BadDeviceId;
      case RtMidiError::MEMORY_ERROR:
        return MidiOpenResult::NoMemory;
      case RtMidiError::NO_DEVICES_FOUND:
        return MidiOpenResult::NoDevice;
      // The connection to the port was refused: another program holds it.
      case RtMidiError::DRIVER_ERROR:
        return MidiOpenResult::Allocated;
      default:
        return MidiOpenResult::Error;
    }
  }
  return client->isPortOpen() ? MidiOpenResult::Ok : MidiOpenResult::Error;
}

void AlsaMidiPorts::Send(const ShortMessage& m) {
  if (!client_ || !client_->isPortOpen()) return;
  const unsigned char bytes[3] = {m.status, m.data1, m.data2};
  // Program change and channel pressure carry one data byte on the wire.
  const std::size_t size = (m.Kind() == 0xC0 || m.Kind() == 0xD0) ? 2 : 3;
  try {
    client_->sendMessage(bytes, size);
  } catch (const RtMidiError&) {}
}

void AlsaMidiPorts::Close() {
  if (client_ && client_->isPortOpen()) client_->closePort();
}

}  // namespace strumbly
