// The Edit menu, the editor's popup menu and the editor's key hook.
#include "ui/chordsheet/edit_menu.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QPlainTextEdit>

#include "core/chordsheet/text.h"
#include "ui/chordsheet/chord_commands.h"
#include "ui/chordsheet/chord_sheet.h"

namespace strumbly {

EditMenu::EditMenu(ChordSheet& sheet, ChordCommands& edits, const Settings& settings, EditMenuActions actions,
                   EditMenuHooks hooks, QObject* parent)
    : QObject(parent), sheet_(sheet), edits_(edits), settings_(settings), actions_(actions), hooks_(std::move(hooks)) {}

void EditMenu::Connect() {
  QPlainTextEdit* editor = sheet_.editor();
  connect(editor, &QPlainTextEdit::selectionChanged, this, &EditMenu::Update);
  connect(editor, &QPlainTextEdit::undoAvailable, this, &EditMenu::Update);
  connect(editor, &QPlainTextEdit::redoAvailable, this, &EditMenu::Update);
  connect(QApplication::clipboard(), &QClipboard::dataChanged, this, &EditMenu::Update);
  Update();
}

void EditMenu::Update() {
  QPlainTextEdit* editor = sheet_.editor();
  const bool selected = editor->textCursor().hasSelection();
  const bool clipboardText = !QApplication::clipboard()->text().isEmpty();
  for (QAction* a : {actions_.undo, actions_.popupUndo})
    if (a) a->setEnabled(editor->document()->isUndoAvailable());
  for (QAction* a : {actions_.redo, actions_.popupRedo})
    if (a) a->setEnabled(editor->document()->isRedoAvailable());
  for (QAction* a : {actions_.copy, actions_.cut, actions_.remove, actions_.popupCopy, actions_.popupCut})
    a->setEnabled(selected);
  for (QAction* a : {actions_.paste, actions_.popupPaste}) a->setEnabled(clipboardText);
}

void EditMenu::Undo() {
  sheet_.editor()->undo();
  edits_.ShowLine(sheet_.CurrentLine());
  sheet_.editor()->setFocus();
}

void EditMenu::Redo() {
  sheet_.editor()->redo();
  edits_.ShowLine(sheet_.CurrentLine());
  sheet_.editor()->setFocus();
}

void EditMenu::Cut() {
  sheet_.editor()->cut();
  edits_.ShowLine(sheet_.CurrentLine());
  sheet_.editor()->setFocus();
}

void EditMenu::Copy() {
  sheet_.editor()->copy();
  sheet_.editor()->setFocus();
}

// The clipboard text goes in front of the selection; nothing is replaced.
void EditMenu::Paste() {
  QPlainTextEdit* editor = sheet_.editor();
  QTextCursor c = editor->textCursor();
  c.setPosition(c.selectionStart());
  editor->setTextCursor(c);
  editor->insertPlainText(QApplication::clipboard()->text());
  editor->setFocus();
}

void EditMenu::Delete() {
  sheet_.editor()->textCursor().removeSelectedText();
  edits_.ShowLine(sheet_.CurrentLine());
  sheet_.editor()->setFocus();
}

void EditMenu::SelectAll() {
  sheet_.editor()->selectAll();
  sheet_.editor()->setFocus();
}

void EditMenu::KeyUp(int key) {
  hooks_.refreshCurrentLine();
  CursorPlays(key);
}

// With "Cursor up/down plays chords" on, Up and Down sound the chord reached.
void EditMenu::CursorPlays(int key) {
  if (hooks_.isPlaying() || !settings_.CursorPlays || (key != Qt::Key_Up && key != Qt::Key_Down)) return;
  const int n = sheet_.CurrentLine();
  edits_.ShowLine(n);
  const std::string text = sheet_.Line(n).toStdString();
  if (IsCommentLine(text) || IsBlank(text)) return;
  ChordRecord r;
  if (!edits_.ParseChordLine(n, true, r).empty()) return;
  edits_.Preview(r.Pitches);
  edits_.ChordNameLabel().setText(QString::fromStdString(r.Name));
}

}  // namespace strumbly
