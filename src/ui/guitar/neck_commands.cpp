// The neck: its settings and what a click on it does.
#include "ui/guitar/neck_commands.h"

#include <QPlainTextEdit>

#include "core/chordsheet/chord_edits.h"
#include "core/chordsheet/text.h"
#include "ui/chordsheet/chord_commands.h"
#include "ui/chordsheet/chord_sheet.h"
#include "ui/guitar/neck_marker.h"
#include "ui/guitar/neck_view.h"

namespace strumbly {

NeckCommands::NeckCommands(NeckView& neck, ChordSheet& sheet, ChordCommands& edits, NeckCommandHooks hooks,
                           QObject* parent)
    : QObject(parent), neck_(neck), sheet_(sheet), edits_(edits), hooks_(std::move(hooks)) {}

void NeckCommands::Connect() {
  connect(&neck_, &NeckView::markerPressed, this, [this](NeckMarker* marker, Qt::MouseButton button) {
    edits_.RunEdit([=, this] { MarkerPressed(marker, button); });
  });
  connect(&neck_, &NeckView::markerReleased, this, [this](NeckMarker* marker, Qt::MouseButton button) {
    hooks_.run([=, this] { MarkerReleased(marker, button); });
  });
}

void NeckCommands::ApplySettings(const Settings& settings) {
  neck_.SetMarkerColor(static_cast<std::uint32_t>(settings.MarkerColor));
  neck_.SetMarkerShape(settings.MarkerShape);
  neck_.SetChordNameVisible(settings.ShowChordName);
  neck_.SetFretNumbersVisible(settings.ShowFretNumbers);
}

// --- the neck ------------------------------------------------------------------

void NeckCommands::MarkerPressed(NeckMarker* marker, Qt::MouseButton button) {
  if (hooks_.isPlaying() || button == Qt::RightButton) return;
  const bool wasShowing = marker->IsFilled();
  const int s = marker->StringNumber() - 1;
  // With a capo the song's frets count from it; behind it nothing sounds.
  const int fret = marker->Fret() - neck_.Capo();
  if (s < 0 || s > 5 || fret < 0 || fret > MaxFret) return;

  // The current line must be able to take a note.
  ChordRecord r;
  const int current = sheet_.CurrentLine();
  if (IsCommentLine(sheet_.Line(current).toStdString()) || !edits_.ParseChordLine(current, false, r).empty())
    edits_.InsertTemplateLine("Chord");
  if (IsBlank(sheet_.Line(sheet_.CurrentLine()).toStdString())) edits_.FillBlankLine(sheet_.CurrentLine());

  neck_.FillMarker(marker);
  if (button == Qt::LeftButton) edits_.Preview(SingleNotePitches(s, fret));

  const int n = sheet_.CurrentLine();
  if (edits_.ParseChordLine(n, false, r).empty()) {
    if (button == Qt::LeftButton) edits_.SetStringFret(n, s, fret);
    if (wasShowing) edits_.SetStringFret(n, s, NotPlayed);
  }
}

// The editor shows its changed line at once.
void NeckCommands::MarkerReleased(NeckMarker*, Qt::MouseButton) { sheet_.editor()->viewport()->repaint(); }

}  // namespace strumbly
