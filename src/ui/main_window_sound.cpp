// The MIDI port and the Instrument menu.
#include "ui/main_window.h"

namespace strumbly {

void TfrmMain::BuildInstrumentMenu() {}
QString TfrmMain::AcquireMidiPort() { return {}; }
void TfrmMain::ReleaseMidiPort() {}
void TfrmMain::CloseMidiPort() { PortOpen = false; }
void TfrmMain::NylonStringAcoustic1Click(QAction*) { Modified = true; }
void TfrmMain::StartSound() {}

}  // namespace strumbly
