#pragma once
// The Edit menu's clipboard and undo items, the editor's popup menu and the
// editor's key hook ("Cursor up/down plays chords").
#include <QObject>
#include <functional>

#include "core/app/settings.h"

class QAction;

namespace strumbly {

class ChordCommands;
class ChordSheet;

struct EditMenuActions {
  QAction* undo = nullptr;
  QAction* redo = nullptr;
  QAction* cut = nullptr;
  QAction* copy = nullptr;
  QAction* paste = nullptr;
  QAction* remove = nullptr;
  // The popup menu's items.
  QAction* popupCut = nullptr;
  QAction* popupCopy = nullptr;
  QAction* popupPaste = nullptr;
  QAction* popupUndo = nullptr;
  QAction* popupRedo = nullptr;
};

struct EditMenuHooks {
  std::function<bool()> isPlaying;
  // Shows the caret's line, or makes the editor read-only while playing.
  std::function<void()> refreshCurrentLine;
};

class EditMenu : public QObject {
  Q_OBJECT
 public:
  // Everything must outlive this; settings is read for CursorPlays.
  EditMenu(ChordSheet& sheet, ChordCommands& edits, const Settings& settings, EditMenuActions actions,
           EditMenuHooks hooks, QObject* parent = nullptr);

  // Keeps the items' enabling current with the editor and the clipboard, so
  // their shortcuts follow it.
  void Connect();
  void Update();

  void Undo();
  void Redo();
  void Cut();
  void Copy();
  void Paste();
  void Delete();
  void SelectAll();
  // A key released in the editor.
  void KeyUp(int key);
  void CursorPlays(int key);

 private:
  ChordSheet& sheet_;
  ChordCommands& edits_;
  const Settings& settings_;
  EditMenuActions actions_;
  EditMenuHooks hooks_;
};

}  // namespace strumbly
