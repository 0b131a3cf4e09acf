// The chord editing commands of the edit buttons and the neck.
#include <QCheckBox>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "core/chordsheet/chord_edits.h"
#include "core/chordsheet/text.h"
#include "core/sound/timing.h"
#include "platform/midi/midi_out_port.h"
#include "ui/main_window.h"
#include "ui/neck_marker.h"
#include "ui/neck_view.h"

namespace strumbly {

namespace {

QString Q(const std::string& s) { return QString::fromStdString(s); }

// Calls a function when the watched control loses the keyboard focus.
class FocusOutWatcher : public QObject {
 public:
  explicit FocusOutWatcher(std::function<void()> onFocusOut) : onFocusOut_(std::move(onFocusOut)) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* e) override {
    if (e->type() == QEvent::FocusOut) onFocusOut_();
    return QObject::eventFilter(watched, e);
  }

 private:
  std::function<void()> onFocusOut_;
};

// The duration letter of each note-value button, by the control's name.
struct DurationButton {
  const char* name;
  char letter;
};
constexpr DurationButton kDurationButtons[] = {
    {"btnWholeNote", 'W'},     {"btnHalfNote", 'H'},         {"btnQuarterNote", 'Q'},      {"btnEighthNote", 'E'},
    {"btnSixteenthNote", 'S'}, {"btnThirtySecondNote", 'T'}, {"btnSixtyFourthNote", 'F'},
};

}  // namespace

void TfrmMain::ConnectEditingCommands() {
  auto on = [this](QPushButton* b, void (TfrmMain::*handler)()) {
    connect(b, &QPushButton::clicked, this, [this, handler] { RunCommand([this, handler] { (this->*handler)(); }); });
  };
  on(btnNewChord, &TfrmMain::btnNewChordClick);
  on(btnRest, &TfrmMain::btnRestClick);
  on(btnDup, &TfrmMain::btnDupClick);
  on(btnClear, &TfrmMain::btnClearClick);
  on(btnDelete, &TfrmMain::btnDeleteClick);
  on(btnShiftLeft, &TfrmMain::btnShiftLeftClick);
  on(btnShiftRight, &TfrmMain::btnShiftRightClick);
  for (QPushButton* b : durationButtons)
    connect(b, &QPushButton::clicked, this, [this, b] { RunCommand([this, b] { DurationButtonClick(b); }); });
  connect(chkDotted, &QCheckBox::clicked, this, [this] { chkDottedClick(); });
  nameWatcher_ = std::make_unique<FocusOutWatcher>([this] { RunCommand([this] { edtNameExit(); }); });
  edtName->installEventFilter(nameWatcher_.get());
  connect(neckView, &NeckView::markerPressed, this, [this](NeckMarker* marker, Qt::MouseButton button) {
    RunCommand([=, this] { Shape1MouseDown(marker, button); });
  });
  connect(neckView, &NeckView::markerReleased, this, [this](NeckMarker* marker, Qt::MouseButton button) {
    RunCommand([=, this] { Shape1MouseUp(marker, button); });
  });
}

void TfrmMain::FocusEditor() { RichEdit1->setFocus(); }

// --- line operations ------------------------------------------------------

void TfrmMain::SetStringFret(int n, int s, int f) {
  ChordRecord r;
  const std::string error = ParseChordLine(n, true, r);
  if (KindOf(r, error) != RecordKind::Chord) return;
  SetFret(r, s, f);
  sheet_->ReplaceLine(n, Q(FormatChordLine(r)));
  ShowLine(n);
}

void TfrmMain::InsertTemplateLine(const QString& name) {
  const QString text = Q(TemplateLine(name.toStdString(), CurrentDuration.toStdString()));
  int p = sheet_->CurrentLine();
  if (p != sheet_->LineCount()) ++p;
  sheet_->InsertLine(p, text);
  sheet_->SelectLine(p, true);
  ShowLine(p);
  FocusEditor();
}

void TfrmMain::FillBlankLine(int n) {
  sheet_->ReplaceLine(n, Q(TemplateLine("Chord", CurrentDuration.toStdString())));
  sheet_->SelectLine(n, true);
  ShowLine(n);
  FocusEditor();
}

// --- edit buttons -----------------------------------------------------------

void TfrmMain::btnNewChordClick() {
  const int current = sheet_->CurrentLine();
  if (current == sheet_->LineCount()) {
    sheet_->AddLine("");
    ShowLine(sheet_->LineCount());
    sheet_->SelectLine(sheet_->LineCount(), true);
  } else {
    sheet_->InsertLine(current + 1, "");
    sheet_->SelectLine(current + 1, false);
    ShowLine(current + 1);
  }
  FocusEditor();
}

void TfrmMain::btnRestClick() { InsertTemplateLine("Rest"); }

namespace {
bool IsCommentOrBlank(const QString& line) {
  const std::string text = line.toStdString();
  return IsCommentLine(text) || IsBlank(text);
}
}  // namespace

void TfrmMain::btnDupClick() {
  const int n = sheet_->CurrentLine();
  const QString text = sheet_->Line(n);
  if (IsCommentOrBlank(text)) return;
  ChordRecord r;
  if (!ParseChordLine(n, true, r).empty()) {
    FocusEditor();
    return;
  }
  sheet_->InsertLine(n, text);
  sheet_->SelectLine(sheet_->CurrentLine(), true);
  PreviewChord(r.Pitches);
  lblChordName->setText(Q(r.Name));  // the parse cleared it; the chord is still shown
  sheet_->SelectLine(sheet_->CurrentLine(), true);
  FocusEditor();
}

void TfrmMain::btnClearClick() {
  const int n = sheet_->CurrentLine();
  if (!IsCommentOrBlank(sheet_->Line(n))) {
    for (int s = 0; s < 6; ++s) SetStringFret(n, s, NotPlayed);
    ShowLine(n);
  }
  FocusEditor();
}

void TfrmMain::btnDeleteClick() {
  sheet_->DeleteLine(sheet_->CurrentLine());
  ShowLine(sheet_->CurrentLine());
  FocusEditor();
}

void TfrmMain::btnShiftLeftClick() { ShiftChord(-1); }
void TfrmMain::btnShiftRightClick() { ShiftChord(+1); }

// Transposes the current chord one fret and sounds the result.
void TfrmMain::ShiftChord(int step) {
  const int n = sheet_->CurrentLine();
  if (IsCommentOrBlank(sheet_->Line(n))) return;
  ChordRecord r;
  if (!ParseChordLine(n, false, r).empty()) return;
  const auto shifted = ShiftedFrets(r.Frets, step);
  for (int s = 0; s < 6; ++s)
    if (r.Frets[static_cast<std::size_t>(s)] != NotPlayed) SetStringFret(n, s, shifted[static_cast<std::size_t>(s)]);
  // The chord as it now stands sounds on the current instrument.
  AcquireMidiPort();
  midiPort().SendProgramChange(CurrentPatch);
  if (!IsCommentOrBlank(sheet_->Line(n))) {
    ChordRecord now;
    if (ParseChordLine(n, true, now).empty()) PlayChord(now.Pitches, false, PreviewMs);
  }
  ReleaseMidiPort();
  ShowLine(n);
  FocusEditor();
}

void TfrmMain::DurationButtonClick(QObject* button) {
  char letter = 0;
  for (const auto& b : kDurationButtons)
    if (button->objectName() == b.name) letter = b.letter;
  if (letter == 0) return;
  const std::string code = DurationCode(letter, chkDotted->isChecked());
  CurrentDuration = Q(code);
  const int n = sheet_->CurrentLine();
  ChordRecord r;
  const std::string error = ParseChordLine(n, false, r);
  if (!error.empty()) {
    FocusEditor();
    return;
  }
  if (KindOf(r, error) != RecordKind::Chord) return;
  sheet_->ReplaceLine(n, Q(RetimedLine(sheet_->Line(n).toStdString(), code)));
  FocusEditor();
}

void TfrmMain::chkDottedClick() { FocusEditor(); }

void TfrmMain::edtNameExit() {
  const int n = edtNameTag;
  ChordRecord r;
  const std::string error = ParseChordLine(n, false, r);
  if (!error.empty()) {
    FocusEditor();
    return;
  }
  if (KindOf(r, error) != RecordKind::Chord) {
    edtName->clear();
    return;
  }
  const QString name = edtName->text();
  if (!IsBlank(name.toStdString())) {
    sheet_->ReplaceLine(n, Q(RenamedLine(sheet_->Line(n).toStdString(), name.toStdString())));
    lblChordName->setText(name);
  }
  FocusEditor();
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
  StopRequested = false;
  if (button == Qt::LeftButton) PreviewChord(SingleNotePitches(s, fret));

  const int n = sheet_->CurrentLine();
  if (ParseChordLine(n, false, r).empty()) {
    if (button == Qt::LeftButton) SetStringFret(n, s, fret);
    if (wasShowing) SetStringFret(n, s, NotPlayed);
  }
}

// The editor shows its changed line at once.
void TfrmMain::Shape1MouseUp(NeckMarker*, Qt::MouseButton) { RichEdit1->viewport()->repaint(); }

}  // namespace strumbly
