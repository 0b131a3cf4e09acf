#include "ui/tab/tab_commands.h"

#include <QLineEdit>

#include "core/app/song_names.h"
#include "core/sound/chord_list.h"
#include "core/sound/midi_file.h"
#include "platform/command_error.h"
#include "platform/dialogs.h"
#include "platform/song_io.h"
#include "ui/busy_cursor.h"
#include "ui/tab/tab_info_window.h"
#include "ui/tab/tab_window.h"

namespace strumbly {

namespace {

QString Q(const std::string& s) { return QString::fromStdString(s); }

}  // namespace

TabCommands::TabCommands(QWidget* parent, Settings& settings, TabCommandHooks hooks)
    : parent_(parent), settings_(settings), hooks_(std::move(hooks)) {}

TabCommands::~TabCommands() {
  // Without a parent the windows are ours to delete.
  if (!parent_) {
    delete frmTab_;
    delete frmGetTabInfo_;
  }
}

TfrmTab& TabCommands::frmTab() {
  if (!frmTab_) frmTab_ = new TfrmTab(parent_);
  return *frmTab_;
}

TfrmGetTabInfo& TabCommands::frmGetTabInfo() {
  if (!frmGetTabInfo_) frmGetTabInfo_ = new TfrmGetTabInfo(parent_);
  return *frmGetTabInfo_;
}

void TabCommands::Error(const QString& text) {
  dialogs().Message(parent_, MessageKind::Error, text, MessageButtons::Ok);
}

namespace {

// Builds the chord list; on a bad line shows the parser's message, selects
// the line and shows the command's own message.
bool BuildSongChordList(const TabSongInput& song, ChordList& list, const char* fixMessage, QWidget* parent,
                        const TabCommandHooks& hooks) {
  ChordListResult result;
  {
    BusyCursor busy;
    result = BuildChordList(song.lines, list);
  }
  if (result.ok) return true;
  dialogs().Message(parent, MessageKind::Error, Q(result.error), MessageButtons::Ok);
  if (hooks.selectLine) hooks.selectLine(result.badLine);
  dialogs().Message(parent, MessageKind::Error, fixMessage, MessageButtons::Ok);
  return false;
}

}  // namespace

void TabCommands::ShowTab(const TabSongInput& song) { ShowTablature(song, false); }
void TabCommands::ShowAsciiTab(const TabSongInput& song) { ShowTablature(song, true); }

void TabCommands::ShowTablature(const TabSongInput& song, bool ascii) {
  TabSource source;
  if (!BuildSongChordList(song, source.chordList, "Fix errors before viewing tab.", parent_, hooks_)) return;
  if (!HasChordLine(source.chordList, 0, static_cast<int>(song.lines.size()) - 1)) {
    Error("Can't create tab. No chords defined in editor.");
    return;
  }
  if (hooks_.setStatusHints) hooks_.setStatusHints(false);
  struct HintsBack {
    const TabCommandHooks& hooks;
    ~HintsBack() {
      if (hooks.setStatusHints) hooks.setStatusHints(true);
    }
  } hintsBack{hooks_};

  source.lines = song.lines;
  source.fileName = song.fileName;
  source.tuningText = song.tuningText;
  source.tuning = TuningTagOf(song.tuningOffsets);
  source.boldFrets = settings_.TabFont;
  source.lastDir = settings_.LastDir;
  if (settings_.TabPrompt) {
    TfrmGetTabInfo& prompt = frmGetTabInfo();
    prompt.Preload(song.lines, song.fileName);
    if (dialogs().Exec(prompt) != QDialog::Accepted) return;
    source.prompted = true;
    source.title = prompt.edtTitle->text().toStdString();
    source.subtitle = prompt.edtBy->text().toStdString();
  }
  TfrmTab& window = frmTab();
  window.Open(ascii ? TabMode::Ascii : TabMode::Graphic, std::move(source));
  dialogs().Exec(window);
  // However the window was left, its data goes with it.
  if (window.layout()) window.done(QDialog::Rejected);
}

void TabCommands::SaveAsMidiFile(const TabSongInput& song) {
  ChordList list;
  if (!BuildSongChordList(song, list, "Fix errors before creating a midi file.", parent_, hooks_)) return;
  if (!HasChordLine(list, 0, static_cast<int>(song.lines.size()) - 1)) {
    Error("Can't create midi file. No chords defined in editor.");
    return;
  }
  ComputeDurations(list, TicksPerWholeNote);

  FileDialogOptions o;
  o.title = "Save As Midi";
  o.folder = Q(settings_.LastDir);
  o.fileName = Q(ProposedMidiFileName(song.fileName));
  o.filter = kMidiFilter;
  o.confirmOverwrite = true;
  const QString chosen = dialogs().SaveFile(parent_, o);
  if (chosen.isEmpty()) return;
  try {
    // A new file beside the old one, renamed into place when whole.
    WriteFileSafely(chosen, MidiFileBytes(list, song.patch, song.tempo, song.tuningOffsets));
  } catch (const CommandError& e) {
    Error(e.text());
    return;
  }
  settings_.LastDir = FolderOf(chosen.toStdString());
}

}  // namespace strumbly
