// The neck view of the main window and the pictures of the edit buttons.
#include <QLabel>
#include <QPushButton>

#include "core/guitar/neck_geometry.h"
#include "ui/main_window.h"
#include "ui/neck_view.h"
#include "ui/note_pictures.h"

namespace strumbly {

void TfrmMain::BuildNeck() {
  neckView = new NeckView(centralWidget());
  neckView->move(kNeckFrameLeft, kNeckFrameTop);
  neckHost = neckView;
  lblChordName = neckView->ChordNameLabel();
  lblFretNumbers = neckView->FretNumbersLabel();
}

void TfrmMain::SetButtonPictures() {
  static constexpr NoteValue kValues[kNoteValueCount] = {
      NoteValue::Whole,     NoteValue::Half,         NoteValue::Quarter,    NoteValue::Eighth,
      NoteValue::Sixteenth, NoteValue::ThirtySecond, NoteValue::SixtyFourth};
  const QSize noteSize(12, 21);
  for (std::size_t i = 0; i < durationButtons.size(); ++i) {
    QPushButton* b = durationButtons[i];
    b->setAccessibleName(b->text());  // the duration letter
    b->setText({});
    b->setIcon(NoteIcon(kValues[i], noteSize));
    b->setIconSize(noteSize);
  }
  const QSize arrowSize(20, 14);
  btnShiftLeft->setIcon(ArrowIcon(ArrowDirection::Left, arrowSize));
  btnShiftRight->setIcon(ArrowIcon(ArrowDirection::Right, arrowSize));
  btnShiftLeft->setIconSize(arrowSize);
  btnShiftRight->setIconSize(arrowSize);
}

void TfrmMain::ShowStringMarker(int stringIndex, int fret) { neckView->ShowStringMarker(stringIndex, fret); }

void TfrmMain::ShowChordOnNeck(const std::array<std::int32_t, 6>& frets) { neckView->ShowChordOnNeck(frets); }

void TfrmMain::ApplyNeckSettings() {
  neckView->SetMarkerColor(static_cast<std::uint32_t>(settings.MarkerColor));
  neckView->SetMarkerShape(settings.MarkerShape);
  neckView->SetChordNameVisible(settings.ShowChordName);
  neckView->SetFretNumbersVisible(settings.ShowFretNumbers);
}

}  // namespace strumbly
