// The neck of the main window: its settings and what a click on it does.
#include <QLabel>

#include "core/chordsheet/chord_edits.h"
#include "core/chordsheet/text.h"
#include "ui/app/main_window.h"
#include "ui/guitar/neck_marker.h"
#include "ui/guitar/neck_view.h"
#include "ui/sound/player.h"

namespace strumbly {

void TfrmMain::ConnectNeckCommands() {
  connect(neckView, &NeckView::markerPressed, this, [this](NeckMarker* marker, Qt::MouseButton button) {
    RunEdit([=, this] { Shape1MouseDown(marker, button); });
  });
  connect(neckView, &NeckView::markerReleased, this, [this](NeckMarker* marker, Qt::MouseButton button) {
    RunCommand([=, this] { Shape1MouseUp(marker, button); });
  });
}

void TfrmMain::ShowStringMarker(int stringIndex, int fret) { neckView->ShowStringMarker(stringIndex, fret); }

void TfrmMain::ShowChordOnNeck(const std::array<std::int32_t, 6>& frets) { neckView->ShowChordOnNeck(frets); }

void TfrmMain::ApplyNeckSettings() {
  neckView->SetMarkerColor(static_cast<std::uint32_t>(settings_.MarkerColor));
  neckView->SetMarkerShape(settings_.MarkerShape);
  neckView->SetChordNameVisible(settings_.ShowChordName);
  neckView->SetFretNumbersVisible(settings_.ShowFretNumbers);
}

// --- the neck ------------------------------------------------------------------

void TfrmMain::Shape1MouseDown(NeckMarker* marker, Qt::MouseButton button) {
  if (IsPlaying() || button == Qt::RightButton) return;
  const bool wasShowing = marker->IsFilled();
  const auto place = ParseMarkerName(marker->objectName().toStdString());
  if (!place) return;
  const int s = place->stringNumber - 1;
  const int fret = place->fret;

  // The current line must be able to take a note.
  ChordRecord r;
  const int current = sheet_->CurrentLine();
  if (IsCommentLine(sheet_->Line(current).toStdString()) || !ParseChordLine(current, false, r).empty())
    InsertTemplateLine("Chord");
  if (IsBlank(sheet_->Line(sheet_->CurrentLine()).toStdString())) FillBlankLine(sheet_->CurrentLine());

  neckView->FillMarker(marker);
  if (button == Qt::LeftButton) player_->PreviewChord(SingleNotePitches(s, fret));

  const int n = sheet_->CurrentLine();
  if (ParseChordLine(n, false, r).empty()) {
    if (button == Qt::LeftButton) SetStringFret(n, s, fret);
    if (wasShowing) SetStringFret(n, s, NotPlayed);
  }
}

// The editor shows its changed line at once.
void TfrmMain::Shape1MouseUp(NeckMarker*, Qt::MouseButton) { RichEdit1->viewport()->repaint(); }

}  // namespace strumbly
