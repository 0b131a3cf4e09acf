// Song files: new, open, save, and the song state they reset.
#include <QCheckBox>
#include <QLabel>
#include <QSlider>

#include "ui/main_window.h"
#include "ui/radio_group.h"

namespace strumbly {

void TfrmMain::NewSong() {
  sheet_->Clear();
  CurrentFileName = "Untitled.sly";
  lblFilename->setText("Untitled.sly");
  ResetSongState();
}

void TfrmMain::ResetSongState() {
  for (int s = 0; s < 6; ++s) ShowStringMarker(s, NotPlayed);
  rdoPlayOptions->setItemIndex(0);
  lblChordName->clear();
  trackbarTempo->setValue(120);
  lblTempo->setText("120");
  SetStatusPanel(2, QString("Line %1").arg(sheet_->CurrentLine() + 1));
  chkLoop->setChecked(false);
  chkTrace->setChecked(false);
  CurrentPatch = 25;
  CheckInstrumentItem(CurrentPatch);
  CurrentTuningTag = 555555;
  ApplyTuning(555555);
  CurrentDuration = " Q";
  Modified = false;
}

void TfrmMain::LoadSong(const QString&) {}
bool TfrmMain::AskToSave() { return true; }
void TfrmMain::New1Click() {}
void TfrmMain::Open1Click() {}
void TfrmMain::Save1Click() {}
void TfrmMain::SaveAs1Click() {}

}  // namespace strumbly
