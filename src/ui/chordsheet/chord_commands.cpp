// The chord editing commands of the edit buttons and the name box. Each is
// one step of the editor's undo.
#include "ui/chordsheet/chord_commands.h"

#include <QCheckBox>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include "core/app/song_state.h"
#include "core/chordsheet/chord_edits.h"
#include "core/chordsheet/text.h"
#include "core/guitar/capo.h"
#include "platform/dialogs.h"
#include "ui/chordsheet/chord_sheet.h"
#include "ui/chordsheet/note_value_buttons.h"
#include "ui/qt_text.h"

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

ChordCommands::ChordCommands(ChordSheet& sheet, SongState& song, ChordCommandControls controls, ChordCommandHooks hooks,
                             QObject* parent)
    : QObject(parent), sheet_(sheet), song_(song), controls_(controls), hooks_(std::move(hooks)) {}

ChordCommands::~ChordCommands() = default;

void ChordCommands::Connect() {
  auto on = [this](QPushButton* b, void (ChordCommands::*handler)()) {
    connect(b, &QPushButton::clicked, this, [this, handler] { RunEdit([this, handler] { (this->*handler)(); }); });
  };
  on(controls_.newChord, &ChordCommands::NewChord);
  on(controls_.rest, &ChordCommands::Rest);
  on(controls_.duplicate, &ChordCommands::Duplicate);
  on(controls_.clear, &ChordCommands::Clear);
  on(controls_.remove, &ChordCommands::Delete);
  on(controls_.shiftLeft, &ChordCommands::ShiftLeft);
  on(controls_.shiftRight, &ChordCommands::ShiftRight);
  for (std::size_t i = 0; i < controls_.durations.size(); ++i) {
    const char letter = kNoteValueButtons[i].letter;
    connect(controls_.durations[i], &QPushButton::clicked, this,
            [this, letter] { RunEdit([this, letter] { SetDuration(letter); }); });
  }
  connect(controls_.dotted, &QCheckBox::clicked, this, [this] { DottedClicked(); });
  nameWatcher_ = std::make_unique<FocusOutWatcher>([this] { RunEdit([this] { Rename(hooks_.nameLine()); }); });
  controls_.name->installEventFilter(nameWatcher_.get());
  // Enter renames as leaving the box does.
  connect(controls_.name, &QLineEdit::returnPressed, this, [this] { RunEdit([this] { Rename(hooks_.nameLine()); }); });
}

std::string ChordCommands::ParseChordLine(int n, bool showMessage, ChordRecord& record) {
  controls_.chordName->clear();
  const std::string error = ParseChordText(sheet_.Line(n).toStdString(), n, record);
  if (showMessage && !error.empty()) hooks_.showError(Q(error));
  return error;
}

void ChordCommands::FocusEditor() { sheet_.editor()->setFocus(); }

void ChordCommands::Preview(const std::array<std::uint8_t, 6>& pitches) const {
  if (hooks_.preview) hooks_.preview(pitches);
}

void ChordCommands::RunEdit(const std::function<void()>& command) {
  ChordSheet::EditBlock oneStep(sheet_);
  hooks_.run(command);
}

// --- line operations ------------------------------------------------------

void ChordCommands::SetStringFret(int n, int s, int f) {
  ChordRecord r;
  const std::string error = ParseChordLine(n, true, r);
  if (KindOf(r, error) != RecordKind::Chord) return;
  SetFret(r, s, f);
  sheet_.ReplaceLine(n, Q(FormatChordLine(r)));
  ShowLine(n);
}

void ChordCommands::InsertTemplateLine(const QString& name) {
  const QString text = Q(TemplateLine(name.toStdString(), song_.CurrentDuration()));
  int p = sheet_.CurrentLine();
  if (p != sheet_.LineCount()) ++p;
  sheet_.InsertLine(p, text);
  sheet_.SelectLine(p, true);
  ShowLine(p);
  FocusEditor();
}

void ChordCommands::FillBlankLine(int n) {
  sheet_.ReplaceLine(n, Q(TemplateLine("Chord", song_.CurrentDuration())));
  sheet_.SelectLine(n, true);
  ShowLine(n);
  FocusEditor();
}

// --- edit buttons -----------------------------------------------------------

void ChordCommands::NewChord() {
  const int current = sheet_.CurrentLine();
  if (current == sheet_.LineCount()) {
    sheet_.AddLine("");
    ShowLine(sheet_.LineCount());
    sheet_.SelectLine(sheet_.LineCount(), true);
  } else {
    sheet_.InsertLine(current + 1, "");
    sheet_.SelectLine(current + 1, false);
    ShowLine(current + 1);
  }
  FocusEditor();
}

void ChordCommands::Rest() { InsertTemplateLine("Rest"); }

namespace {
bool IsCommentOrBlank(const QString& line) {
  const std::string text = line.toStdString();
  return IsCommentLine(text) || IsBlank(text);
}
}  // namespace

void ChordCommands::Duplicate() {
  const int n = sheet_.CurrentLine();
  const QString text = sheet_.Line(n);
  if (IsCommentOrBlank(text)) return;
  ChordRecord r;
  if (!ParseChordLine(n, true, r).empty()) {
    FocusEditor();
    return;
  }
  sheet_.InsertLine(n, text);
  sheet_.SelectLine(sheet_.CurrentLine(), true);
  Preview(r.Pitches);
  controls_.chordName->setText(Q(r.Name));  // the parse cleared it; the chord is still shown
  sheet_.SelectLine(sheet_.CurrentLine(), true);
  FocusEditor();
}

void ChordCommands::Clear() {
  const int n = sheet_.CurrentLine();
  if (!IsCommentOrBlank(sheet_.Line(n))) {
    for (int s = 0; s < 6; ++s) SetStringFret(n, s, NotPlayed);
    ShowLine(n);
  }
  FocusEditor();
}

void ChordCommands::Delete() {
  sheet_.DeleteLine(sheet_.CurrentLine());
  ShowLine(sheet_.CurrentLine());
  FocusEditor();
}

void ChordCommands::ShiftLeft() { ShiftChord(-1); }
void ChordCommands::ShiftRight() { ShiftChord(+1); }

// Transposes the current chord one fret and sounds the result.
void ChordCommands::ShiftChord(int step) {
  const int n = sheet_.CurrentLine();
  if (IsCommentOrBlank(sheet_.Line(n))) return;
  ChordRecord r;
  if (!ParseChordLine(n, false, r).empty()) return;
  const auto shifted = ShiftedFrets(r.Frets, step);
  for (int s = 0; s < 6; ++s)
    if (r.Frets[static_cast<std::size_t>(s)] != NotPlayed) SetStringFret(n, s, shifted[static_cast<std::size_t>(s)]);
  // The chord as it now stands sounds on the current instrument.
  ChordRecord now;
  if (ParseChordLine(n, true, now).empty()) Preview(now.Pitches);
  ShowLine(n);
  FocusEditor();
}

void ChordCommands::SetDuration(char letter) {
  const std::string code = DurationCode(letter, controls_.dotted->isChecked());
  song_.SetCurrentDuration(code);
  const int n = sheet_.CurrentLine();
  ChordRecord r;
  const std::string error = ParseChordLine(n, false, r);
  if (!error.empty()) {
    FocusEditor();
    return;
  }
  if (KindOf(r, error) != RecordKind::Chord) return;
  sheet_.ReplaceLine(n, Q(RetimedLine(sheet_.Line(n).toStdString(), code)));
  FocusEditor();
}

void ChordCommands::DottedClicked() { FocusEditor(); }

void ChordCommands::Rename(int n) {
  QLineEdit* nameBox = controls_.name;
  ChordRecord r;
  const std::string error = ParseChordLine(n, false, r);
  if (!error.empty()) {
    FocusEditor();
    return;
  }
  if (KindOf(r, error) != RecordKind::Chord) {
    nameBox->clear();
    return;
  }
  const QString name = nameBox->text();
  // A comma would end the name and break the line into too many fields.
  if (name.contains(',')) {
    dialogs().Message(sheet_.editor()->window(), MessageKind::Warning, kNameCommaMessage, MessageButtons::Ok);
    nameBox->setText(Q(r.Name));
    controls_.chordName->setText(Q(r.Name));
    return;
  }
  if (!IsBlank(name.toStdString())) {
    const QString renamed = Q(RenamedLine(sheet_.Line(n).toStdString(), name.toStdString()));
    if (renamed != sheet_.Line(n)) sheet_.ReplaceLine(n, renamed);
    controls_.chordName->setText(name);
  }
  FocusEditor();
}

// --- the song as a whole ------------------------------------------------------

QString ChordCommands::Transpose(int semitones, const ShapeLookup& lookup) {
  const bool selected = sheet_.editor()->textCursor().hasSelection();
  const int caretLine = sheet_.CurrentLine();
  const int first = selected ? sheet_.CurrentLine() : 0;
  const int last = selected ? sheet_.LastSelectedLine() : sheet_.LineCount() - 1;
  if (last < first) return {};
  const std::vector<std::string> lines = ToStdStrings(sheet_.Lines());
  const TransposeResult result = TransposeLines(lines, first, last, semitones, lookup, song_.Tuning(), song_.Capo());
  QStringList changed;
  bool differs = false;
  for (std::size_t i = 0; i < result.lines.size(); ++i) {
    changed << Q(result.lines[i]);
    differs = differs || result.lines[i] != lines[static_cast<std::size_t>(result.first) + i];
  }
  if (differs) {
    sheet_.ReplaceLines(result.first, changed);
    // A selection stays on the lines it held, so the step can be repeated;
    // a whole song keeps the caret on its line.
    if (!selected) sheet_.SelectLine(caretLine, false);
    ShowLine(sheet_.CurrentLine());
  }
  return Q(result.report);
}

void ChordCommands::SetCapo(int capo) {
  const std::vector<std::string> lines = ToStdStrings(sheet_.Lines());
  const std::vector<std::string> now = SongLinesWithCapo(lines, capo);
  if (now == lines) return;
  // One line is given, replaced or taken away.
  std::size_t i = 0;
  while (i < lines.size() && i < now.size() && lines[i] == now[i]) ++i;
  const int n = static_cast<int>(i);
  // The caret stays on the line it was on, which the neck goes on showing.
  int caret = sheet_.CurrentLine();
  if (now.size() > lines.size()) {
    sheet_.InsertLine(n, Q(now[i]));
    if (caret >= n) ++caret;
  } else if (now.size() < lines.size()) {
    sheet_.DeleteLine(n);
    if (caret > n) --caret;
  } else {
    sheet_.ReplaceLine(n, Q(now[i]));
  }
  sheet_.SelectLine(caret, false);
  ShowLine(caret);
}

}  // namespace strumbly
