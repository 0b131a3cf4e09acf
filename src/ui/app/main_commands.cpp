// The window's editing parts: the chord commands, the neck, the Edit menu
// and the dictionary. The window keeps the commands' names; each hands over
// to the part that does the work.
#include <QMenu>

#include "core/guitar/capo.h"
#include "core/guitar/transpose.h"
#include "platform/dialogs.h"
#include "ui/app/main_window.h"
#include "ui/chordsheet/chord_commands.h"
#include "ui/chordsheet/dictionary_box.h"
#include "ui/chordsheet/dictionary_commands.h"
#include "ui/chordsheet/edit_menu.h"
#include "ui/guitar/neck_commands.h"
#include "ui/guitar/neck_view.h"
#include "ui/qt_text.h"
#include "ui/sound/player.h"

namespace strumbly {

void TfrmMain::CreateEditingParts() {
  ChordCommandControls controls;
  controls.chordName = lblChordName;
  controls.name = edtName;
  controls.dotted = chkDotted;
  controls.newChord = btnNewChord;
  controls.rest = btnRest;
  controls.duplicate = btnDup;
  controls.clear = btnClear;
  controls.remove = btnDelete;
  controls.shiftLeft = btnShiftLeft;
  controls.shiftRight = btnShiftRight;
  controls.durations = durationButtons;
  ChordCommandHooks hooks;
  hooks.showLine = [this](int n) { return ShowLine(n); };
  hooks.preview = [this](const std::array<std::uint8_t, 6>& pitches) { player_->PreviewChord(pitches); };
  hooks.showError = [this](const QString& text) { ShowError(text); };
  hooks.run = [this](const std::function<void()>& command) { RunCommand(command); };
  hooks.nameLine = [this] { return edtNameTag; };
  chordCommands_ = std::make_unique<ChordCommands>(*sheet_, song_, controls, std::move(hooks));

  neckCommands_ = std::make_unique<NeckCommands>(
      *neckView, *sheet_, *chordCommands_,
      NeckCommandHooks{[this] { return IsPlaying(); },
                       [this](const std::function<void()>& command) { RunCommand(command); }});

  EditMenuActions actions{Undo1, Redo1, Cut1, Copy1, Paste1, Delete1, Cut2, Copy2, Paste2, Undo2, Redo2};
  editMenu_ =
      std::make_unique<EditMenu>(*sheet_, *chordCommands_, settings_, actions,
                                 EditMenuHooks{[this] { return IsPlaying(); }, [this] { RefreshCurrentLine(); }});
  connect(Edit1, &QMenu::aboutToShow, editMenu_.get(), &EditMenu::Update);
  connect(mnuEditorPopUp, &QMenu::aboutToShow, editMenu_.get(), &EditMenu::Update);

  dictionaryCommands_ = std::make_unique<DictionaryCommands>(*cboDictionary, *sheet_, *chordCommands_, settings_);
}

// --- the current line and the neck ------------------------------------------------

std::string TfrmMain::ParseChordLine(int n, bool showMessage, ChordRecord& record) {
  return chordCommands_->ParseChordLine(n, showMessage, record);
}
void TfrmMain::ShowStringMarker(int stringIndex, int fret) { neckView->ShowStringMarker(stringIndex, fret); }
void TfrmMain::ShowChordOnNeck(const std::array<std::int32_t, 6>& frets) { neckView->ShowChordOnNeck(frets); }
void TfrmMain::ApplyNeckSettings() { neckCommands_->ApplySettings(settings_); }
void TfrmMain::FocusEditor() { RichEdit1->setFocus(); }
void TfrmMain::RunEdit(const std::function<void()>& command) { chordCommands_->RunEdit(command); }

// --- editing commands --------------------------------------------------------------

void TfrmMain::SetStringFret(int n, int s, int f) { chordCommands_->SetStringFret(n, s, f); }
void TfrmMain::InsertTemplateLine(const QString& name) { chordCommands_->InsertTemplateLine(name); }
void TfrmMain::FillBlankLine(int n) { chordCommands_->FillBlankLine(n); }
void TfrmMain::btnNewChordClick() { chordCommands_->NewChord(); }
void TfrmMain::btnRestClick() { chordCommands_->Rest(); }
void TfrmMain::btnDupClick() { chordCommands_->Duplicate(); }
void TfrmMain::btnClearClick() { chordCommands_->Clear(); }
void TfrmMain::btnDeleteClick() { chordCommands_->Delete(); }
void TfrmMain::btnShiftLeftClick() { chordCommands_->ShiftLeft(); }
void TfrmMain::btnShiftRightClick() { chordCommands_->ShiftRight(); }
void TfrmMain::chkDottedClick() { chordCommands_->DottedClicked(); }
void TfrmMain::edtNameExit() { chordCommands_->Rename(edtNameTag); }

// The selected lines, or the whole song, in one step of Undo. Chords that
// no shape of the dictionary fits stay as they were and are listed.
void TfrmMain::Transpose1Click() {
  if (IsPlaying()) return;
  const std::optional<int> steps = dialogs().Number(
      this, "Transpose", "Semitones, up (1 to 11) or down (-1 to -11):", 1, -kMaxTransposeSteps, kMaxTransposeSteps);
  if (!steps || *steps == 0) return;
  const DictionaryShapes shapes(ToStdStrings(dictionary().entries()));
  QString report;
  RunEdit([&] {
    report = chordCommands_->Transpose(*steps, [&shapes](std::string_view name) { return shapes.First(name); });
  });
  if (!report.isEmpty()) dialogs().Message(this, MessageKind::Information, report, MessageButtons::Ok);
  FocusEditor();
}

void TfrmMain::Capo1Click() {
  if (IsPlaying()) return;
  const std::optional<int> capo =
      dialogs().Number(this, "Capo", "Fret of the capo (0 for none):", song_.Capo(), 0, kMaxCapo);
  if (!capo) return;
  RunEdit([&] { chordCommands_->SetCapo(*capo); });
  FocusEditor();
}
void TfrmMain::Shape1MouseDown(NeckMarker* marker, Qt::MouseButton button) {
  neckCommands_->MarkerPressed(marker, button);
}
void TfrmMain::Shape1MouseUp(NeckMarker* marker, Qt::MouseButton button) {
  neckCommands_->MarkerReleased(marker, button);
}

// --- the Edit menu and the editor ------------------------------------------------

void TfrmMain::UpdateEditMenu() { editMenu_->Update(); }
void TfrmMain::Undo1Click() { editMenu_->Undo(); }
void TfrmMain::Cut1Click() { editMenu_->Cut(); }
void TfrmMain::Copy1Click() { editMenu_->Copy(); }
void TfrmMain::Paste1Click() { editMenu_->Paste(); }
void TfrmMain::Delete1Click() { editMenu_->Delete(); }
void TfrmMain::SelectAll1Click() { editMenu_->SelectAll(); }
void TfrmMain::RichEdit1KeyUp(int key) { editMenu_->KeyUp(key); }
void TfrmMain::CursorPlaysHook(int key) { editMenu_->CursorPlays(key); }

// --- the chord dictionary ----------------------------------------------------------

DictionaryBox& TfrmMain::dictionary() { return dictionaryCommands_->dictionary(); }
void TfrmMain::InsertDictionaryChord(const QString& line) { dictionaryCommands_->InsertChord(line); }
void TfrmMain::ReplaceDictionary() { dictionaryCommands_->ReplaceFromSong(); }

}  // namespace strumbly
