// The main window's menus and their items.
#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include "ui/app/exchange_commands.h"
#include "ui/app/main_window.h"
#include "ui/app/recent_files_menu.h"
#include "ui/app/song_files.h"
#include "ui/chordsheet/edit_menu.h"
#include "ui/guitar/tuning_menu.h"
#include "ui/sound/instrument_menu.h"
#include "ui/sound/player.h"

namespace strumbly {

namespace {
// The desktop's key for a command, or the one Linux desktops use where the
// platform names none.
QKeySequence KeyOf(QKeySequence::StandardKey key, const char* fallback) {
  const QList<QKeySequence> keys = QKeySequence::keyBindings(key);
  return keys.isEmpty() ? QKeySequence(fallback) : keys.front();
}
}  // namespace

QAction* TfrmMain::AddItem(QMenu* menu, const char* name, const QString& caption, const QString& hint,
                           const QKeySequence& shortcut, std::function<void()> handler) {
  auto* a = menu->addAction(caption);
  a->setObjectName(name);
  a->setStatusTip(hint);
  a->setShortcut(shortcut);
  a->setShortcutContext(Qt::WindowShortcut);
  if (handler) connect(a, &QAction::triggered, this, [this, handler = std::move(handler)] { RunCommand(handler); });
  return a;
}

QAction* TfrmMain::action(const char* objectName) const { return findChild<QAction*>(objectName); }

void TfrmMain::BuildMenus() {
  auto* bar = menuBar();
  auto menu = [this, bar](const char* name, const QString& caption, const QString& hint) {
    QMenu* m = bar->addMenu(caption);
    m->setObjectName(name);
    m->menuAction()->setObjectName(QString(name) + "Item");
    m->menuAction()->setStatusTip(hint);
    return m;
  };

  File1 = menu("File1", "&File", "File-related operations.");
  New1 = AddItem(File1, "New1", "&New", "Create a new chord list with one initial chord definition.",
                 QKeySequence(QKeySequence::New), [this] { songFiles_->New1Click(); });
  Open1 = AddItem(File1, "Open1", "&Open...", "Load an existing chord list.", QKeySequence(QKeySequence::Open),
                  [this] { songFiles_->Open1Click(); });
  Save1 = AddItem(File1, "Save1", "&Save...", "Save chord list using current file name.",
                  QKeySequence(QKeySequence::Save), [this] { songFiles_->Save1Click(); });
  SaveAs1 = AddItem(File1, "SaveAs1", "Save &As...", "Save the current chord list with a different file name.",
                    KeyOf(QKeySequence::SaveAs, "Ctrl+Shift+S"), [this] { songFiles_->SaveAs1Click(); });
  AddExchangeMenus(*this, *File1);
  File1->addSeparator();
  Print1 = AddItem(File1, "Print1", "&Print...", "Print text editor contents.", QKeySequence(QKeySequence::Print),
                   [this] { Print1Click(); });
  File1->addSeparator();
  Options1 = AddItem(File1, "Options1", "S&ettings...", "Change configuration.", {}, [this] { Options1Click(); });
  File1->addSeparator();
  Exit1 = AddItem(File1, "Exit1", "E&xit", "Exit Strumbly", KeyOf(QKeySequence::Quit, "Ctrl+Q"), [this] { close(); });
  FilenameSep = File1->addSeparator();
  FilenameSep->setObjectName("FilenameSep");
  FilenameSep->setVisible(false);
  for (int i = 0; i < kRecentFileCount; ++i) {
    const QString name = QString("mnuFilename%1").arg(i);
    QAction*& item = mnuFilename[static_cast<std::size_t>(i)];
    item = AddItem(File1, name.toLatin1().constData(), name.mid(3), {}, {},
                   [this, i] { recentFiles_->OpenRecentItem(i); });
    item->setVisible(false);
  }

  Edit1 = menu("Edit1", "&Edit", "Chord list editing operations.");
  Undo1 = AddItem(Edit1, "Undo1", "&Undo", "Undo most recent edit.", QKeySequence(QKeySequence::Undo),
                  [this] { Undo1Click(); });
  Redo1 = AddItem(Edit1, "Redo1", "&Redo", "Redo the edit most recently undone.", QKeySequence(QKeySequence::Redo),
                  [this] { editMenu_->Redo(); });
  // Both of the desktop's Redo keys.
  Redo1->setShortcuts({QKeySequence("Ctrl+Shift+Z"), QKeySequence("Ctrl+Y")});
  Edit1->addSeparator();
  Cut1 = AddItem(Edit1, "Cut1", "Cu&t", "Remove selected text to Clipboard.", QKeySequence(QKeySequence::Cut),
                 [this] { Cut1Click(); });
  Copy1 = AddItem(Edit1, "Copy1", "&Copy", "Copy selected text to Clipboard.", QKeySequence(QKeySequence::Copy),
                  [this] { Copy1Click(); });
  Paste1 = AddItem(Edit1, "Paste1", "&Paste", "Paste text from Clipboard.", QKeySequence(QKeySequence::Paste),
                   [this] { Paste1Click(); });
  Delete1 = AddItem(Edit1, "Delete1", "&Delete", "Delete selected text without writing to Clipboard.",
                    QKeySequence("Ctrl+Del"), [this] { Delete1Click(); });
  SelectAll1 = AddItem(Edit1, "SelectAll1", "Select &All", "Select all lines in chord list.",
                       QKeySequence(QKeySequence::SelectAll), [this] { SelectAll1Click(); });
  Edit1->addSeparator();
  Find1 = AddItem(Edit1, "Find1", "&Find...", "Find a text string.", QKeySequence(QKeySequence::Find),
                  [this] { Find1Click(); });
  FindNext1 = AddItem(Edit1, "FindNext1", "Find &Next", "Find next occurrence of string.", QKeySequence("F3"),
                      [this] { FindNext1Click(); });
  Edit1->addSeparator();
  Transpose1 = AddItem(Edit1, "Transpose1", "T&ranspose...",
                       "Move the selected chords, or the whole song, up or down by semitones.", QKeySequence("Ctrl+T"),
                       [this] { Transpose1Click(); });

  Undo2 = AddItem(mnuEditorPopUp, "Undo2", "Undo", {}, {}, [this] { Undo1Click(); });
  Redo2 = AddItem(mnuEditorPopUp, "Redo2", "Redo", {}, {}, [this] { editMenu_->Redo(); });
  mnuEditorPopUp->addSeparator();
  Cut2 = AddItem(mnuEditorPopUp, "Cut2", "Cut", {}, {}, [this] { Cut1Click(); });
  Copy2 = AddItem(mnuEditorPopUp, "Copy2", "Copy", {}, {}, [this] { Copy1Click(); });
  Paste2 = AddItem(mnuEditorPopUp, "Paste2", "Paste", {}, {}, [this] { Paste1Click(); });
  // The editor's other clipboard keys run the same commands.
  Cut1->setShortcuts({QKeySequence("Ctrl+X"), QKeySequence("Shift+Del")});
  Copy1->setShortcuts({QKeySequence("Ctrl+C"), QKeySequence("Ctrl+Ins")});
  Paste1->setShortcuts({QKeySequence("Ctrl+V"), QKeySequence("Shift+Ins")});

  PlayChords1 = menu("PlayChords1", "&Play", "Play chords.");
  Start1 =
      AddItem(PlayChords1, "Start1", "&Start", "Start playing.", QKeySequence("F2"), [this] { player_->PlayOrStop(); });
  Stop1 =
      AddItem(PlayChords1, "Stop1", "&Stop", "Stop Playing.", QKeySequence("F2"), [this] { player_->PlayOrStop(); });
  Stop1->setVisible(false);

  Instrument1 = menu("Instrument1", "&Instrument", "Additional guitar sounds.");
  instrumentMenu_ = new InstrumentMenu(Instrument1);
  Tuning1 = menu("Tuning1", "&Tuning", "Guitar tunings.");
  tuningMenu_ = new TuningMenu(Tuning1);
  Tuning1->addSeparator();
  Capo1 = AddItem(Tuning1, "Capo1", "&Capo...", "Put a capo on the neck: the song's frets count from it.", {},
                  [this] { Capo1Click(); });
  Special1 = menu("Special1", "&Special", "Tab and MIDI output.");
  BuildSpecialMenu();

  Help1 = menu("Help1", "&Help", "Help menu.");
  Contents1 = AddItem(Help1, "Contents1", "&Contents", "Main help page.", QKeySequence(QKeySequence::HelpContents),
                      [this] { Contents1Click(); });
  Topics1 = AddItem(Help1, "Topics1", "&Topics", "Topic list.", {}, [this] { Topics1Click(); });
  Help1->addSeparator();
  About1 = AddItem(Help1, "About1", "&About...", "About this program.", {}, [this] { About1Click(); });
}

}  // namespace strumbly
