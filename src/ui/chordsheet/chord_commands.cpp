// The chord editing commands of the edit buttons and the name box. Each is
// one step of the editor's undo.
#include <QCheckBox>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "core/chordsheet/chord_edits.h"
#include "core/chordsheet/text.h"
#include "platform/dialogs.h"
#include "ui/app/main_window.h"
#include "ui/chordsheet/note_value_buttons.h"
#include "ui/qt_text.h"
#include "ui/sound/player.h"

namespace strumbly {

namespace {

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

}  // namespace

void TfrmMain::ConnectEditingCommands() {
  auto on = [this](QPushButton* b, void (TfrmMain::*handler)()) {
    connect(b, &QPushButton::clicked, this, [this, handler] { RunEdit([this, handler] { (this->*handler)(); }); });
  };
  on(btnNewChord, &TfrmMain::btnNewChordClick);
  on(btnRest, &TfrmMain::btnRestClick);
  on(btnDup, &TfrmMain::btnDupClick);
  on(btnClear, &TfrmMain::btnClearClick);
  on(btnDelete, &TfrmMain::btnDeleteClick);
  on(btnShiftLeft, &TfrmMain::btnShiftLeftClick);
  on(btnShiftRight, &TfrmMain::btnShiftRightClick);
  for (QPushButton* b : durationButtons)
    connect(b, &QPushButton::clicked, this, [this, b] { RunEdit([this, b] { DurationButtonClick(b); }); });
  connect(chkDotted, &QCheckBox::clicked, this, [this] { chkDottedClick(); });
  nameWatcher_ = std::make_unique<FocusOutWatcher>([this] { RunEdit([this] { edtNameExit(); }); });
  edtName->installEventFilter(nameWatcher_.get());
  // Enter renames as leaving the box does.
  connect(edtName, &QLineEdit::returnPressed, this, [this] { RunEdit([this] { edtNameExit(); }); });
}

void TfrmMain::FocusEditor() { RichEdit1->setFocus(); }

void TfrmMain::RunEdit(const std::function<void()>& command) {
  ChordSheet::EditBlock oneStep(*sheet_);
  RunCommand(command);
}

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
  const QString text = Q(TemplateLine(name.toStdString(), song_.CurrentDuration()));
  int p = sheet_->CurrentLine();
  if (p != sheet_->LineCount()) ++p;
  sheet_->InsertLine(p, text);
  sheet_->SelectLine(p, true);
  ShowLine(p);
  FocusEditor();
}

void TfrmMain::FillBlankLine(int n) {
  sheet_->ReplaceLine(n, Q(TemplateLine("Chord", song_.CurrentDuration())));
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
  player_->PreviewChord(r.Pitches);
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
  ChordRecord now;
  if (ParseChordLine(n, true, now).empty()) player_->PreviewChord(now.Pitches);
  ShowLine(n);
  FocusEditor();
}

void TfrmMain::DurationButtonClick(QObject* button) {
  char letter = 0;
  for (const auto& b : kNoteValueButtons)
    if (button->objectName() == b.name) letter = b.letter;
  if (letter == 0) return;
  const std::string code = DurationCode(letter, chkDotted->isChecked());
  song_.SetCurrentDuration(code);
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
  // A comma would end the name and break the line into too many fields.
  if (name.contains(',')) {
    dialogs().Message(this, MessageKind::Warning, kNameCommaMessage, MessageButtons::Ok);
    edtName->setText(Q(r.Name));
    lblChordName->setText(Q(r.Name));
    return;
  }
  if (!IsBlank(name.toStdString())) {
    const QString renamed = Q(RenamedLine(sheet_->Line(n).toStdString(), name.toStdString()));
    if (renamed != sheet_->Line(n)) sheet_->ReplaceLine(n, renamed);
    lblChordName->setText(name);
  }
  FocusEditor();
}

}  // namespace strumbly
