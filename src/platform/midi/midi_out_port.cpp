#include "platform/midi/midi_out_port.h"

namespace strumbly {

std::string MidiOutPort::OpenMidiPort() {
  if (open_) return {};
  const MidiOpenResult result = service_->Open(settings_->Device);
  open_ = result == MidiOpenResult::Ok;
  return MidiOpenErrorText(result);
}

void MidiOutPort::CloseMidiPort() {
  if (!open_) return;
  open_ = false;
  service_->Close();
}

void MidiOutPort::SendNoteOn(int key) {
  if (open_) service_->Send(NoteOnMessage(settings_->Channel, key, settings_->Octave));
}

void MidiOutPort::SendNoteOff(int key) {
  if (open_) service_->Send(NoteOffMessage(settings_->Channel, key, settings_->Octave));
}

void MidiOutPort::SendProgramChange(int program) {
  if (open_) service_->Send(ProgramChangeMessage(settings_->Channel, program));
}

void MidiOutPort::SendNoteOn(int key, TimePoint at) {
  if (open_) service_->SendAt(NoteOnMessage(settings_->Channel, key, settings_->Octave), at);
}

void MidiOutPort::SendNoteOff(int key, TimePoint at) {
  if (open_) service_->SendAt(NoteOffMessage(settings_->Channel, key, settings_->Octave), at);
}

void MidiOutPort::SendProgramChange(int program, TimePoint at) {
  if (open_) service_->SendAt(ProgramChangeMessage(settings_->Channel, program), at);
}

int MidiOutPort::MidiDeviceCount() { return service_->DeviceCount(); }

std::string MidiOutPort::MidiDeviceName(int id) { return service_->DeviceName(id); }

void MidiOutPort::SetService(MidiOutputService& service) {
  CloseMidiPort();
  service_ = &service;
}

}  // namespace strumbly
