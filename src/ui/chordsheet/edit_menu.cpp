// The Edit menu, the editor's popup menu and the editor's key hook.
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QMenu>

#include "core/chordsheet/text.h"
#include "ui/app/main_window.h"
#include "ui/sound/player.h"

namespace strumbly {

void TfrmMain::UpdateEditMenu() {
  const bool selected = RichEdit1->textCursor().hasSelection();
  const bool clipboardText = !QApplication::clipboard()->text().isEmpty();
  action("Undo1")->setEnabled(RichEdit1->document()->isUndoAvailable());
  for (const char* name : {"Copy1", "Cut1", "Delete1", "Copy2", "Cut2"}) action(name)->setEnabled(selected);
  for (const char* name : {"Paste1", "Paste2"}) action(name)->setEnabled(clipboardText);
}

void TfrmMain::Undo1Click() {
  RichEdit1->undo();
  ShowLine(sheet_->CurrentLine());
  RichEdit1->setFocus();
}

void TfrmMain::Cut1Click() {
  RichEdit1->cut();
  ShowLine(sheet_->CurrentLine());
  RichEdit1->setFocus();
}

void TfrmMain::Copy1Click() {
  RichEdit1->copy();
  RichEdit1->setFocus();
}

// The clipboard text goes in front of the selection; nothing is replaced.
void TfrmMain::Paste1Click() {
  QTextCursor c = RichEdit1->textCursor();
  c.setPosition(c.selectionStart());
  RichEdit1->setTextCursor(c);
  RichEdit1->insertPlainText(QApplication::clipboard()->text());
  RichEdit1->setFocus();
}

void TfrmMain::Delete1Click() {
  RichEdit1->textCursor().removeSelectedText();
  ShowLine(sheet_->CurrentLine());
  RichEdit1->setFocus();
}

void TfrmMain::SelectAll1Click() {
  RichEdit1->selectAll();
  RichEdit1->setFocus();
}

void TfrmMain::RichEdit1KeyUp(int key) {
  RefreshCurrentLine();
  CursorPlaysHook(key);
}

// With "Cursor up/down plays chords" on, Up and Down sound the chord reached.
void TfrmMain::CursorPlaysHook(int key) {
  if (IsPlaying() || !settings_.CursorPlays || (key != Qt::Key_Up && key != Qt::Key_Down)) return;
  const int n = sheet_->CurrentLine();
  ShowLine(n);
  const std::string text = sheet_->Line(n).toStdString();
  if (IsCommentLine(text) || IsBlank(text)) return;
  ChordRecord r;
  if (!ParseChordLine(n, true, r).empty()) return;
  player_->PreviewChord(r.Pitches);
  lblChordName->setText(QString::fromStdString(r.Name));
}

}  // namespace strumbly
