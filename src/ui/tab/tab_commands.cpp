#include "ui/tab/tab_commands.h"

#include <QLabel>
#include <QLineEdit>
#include <QProgressDialog>

#include "core/app/song_names.h"
#include "core/guitar/capo.h"
#include "core/sound/chord_list.h"
#include "core/sound/midi_file.h"
#include "core/tab/tab_titles.h"
#include "platform/command_error.h"
#include "platform/dialogs.h"
#include "platform/midi/audio_export.h"
#include "platform/midi/song_audio.h"
#include "platform/song_io.h"
#include "ui/busy_cursor.h"
#include "ui/qt_text.h"
#include "ui/status_hints_off.h"
#include "ui/tab/tab_info_window.h"
#include "ui/tab/tab_window.h"

namespace strumbly {

TabCommands::TabCommands(QWidget* parent, const Settings& settings, TabCommandHooks hooks)
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

void TabCommands::ProposeTitle(const std::string& title) { frmGetTabInfo().SetTitles(title, std::nullopt); }

void TabCommands::Error(const QString& text) {
  dialogs().Message(parent_, MessageKind::Error, text, MessageButtons::Ok);
}

namespace {

// Builds the chord list; on a bad line shows the parser's message, selects
// the line and shows the command's own message; a song without chords is
// reported.
bool SongChordList(const TabSongInput& song, ChordList& list, SongProduct product, QWidget* parent,
                   const TabCommandHooks& hooks) {
  SongChordListResult result;
  {
    BusyCursor busy;
    result = BuildSongChordList(song.lines, list, product);
  }
  if (result.ok) return true;
  if (result.badLine >= 0) {
    dialogs().Message(parent, MessageKind::Error, Q(result.lineError), MessageButtons::Ok);
    if (hooks.selectLine) hooks.selectLine(result.badLine);
  }
  dialogs().Message(parent, MessageKind::Error, Q(result.message), MessageButtons::Ok);
  return false;
}

}  // namespace

void TabCommands::ShowTab(const TabSongInput& song) { ShowTablature(song, false); }
void TabCommands::ShowAsciiTab(const TabSongInput& song) { ShowTablature(song, true); }

void TabCommands::ShowTablature(const TabSongInput& song, bool ascii) {
  TabSource source;
  if (!SongChordList(song, source.chordList, SongProduct::Tab, parent_, hooks_)) return;
  const StatusHintsOff hintsOff(hooks_.setStatusHints);

  source.lines = song.lines;
  source.fileName = song.fileName;
  source.tuningText = song.tuningText;
  source.tuning = TuningTagOf(song.tuningOffsets);
  source.boldFrets = settings_.TabFont;
  source.showNames = settings_.TabShowNames;
  source.showRhythm = settings_.TabShowRhythm;
  source.lastDir = settings_.LastDir;
  if (settings_.TabPrompt) {
    TfrmGetTabInfo& prompt = frmGetTabInfo();
    prompt.Preload(song.lines, song.fileName);
    if (dialogs().Exec(prompt) != QDialog::Accepted) return;
    source.prompted = true;
    source.title = prompt.Title();
    source.subtitle = prompt.Subtitle();
  }
  TfrmTab& window = frmTab();
  window.Open(ascii ? TabMode::Ascii : TabMode::Graphic, std::move(source));
  dialogs().Exec(window);
  // However the window was left, its data goes with it.
  if (window.layout()) window.done(QDialog::Rejected);
}

void TabCommands::SaveAsMidiFile(const TabSongInput& song) {
  ChordList list;
  if (!SongChordList(song, list, SongProduct::MidiFile, parent_, hooks_)) return;
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
    WriteFileSafely(
        chosen, MidiFileBytes(list, song.patch, song.tempo, WithCapo(song.tuningOffsets, FindSongCapo(song.lines))));
  } catch (const CommandError& e) {
    Error(e.text());
    return;
  }
  if (hooks_.setLastDir) hooks_.setLastDir(FolderOf(chosen.toStdString()));
}

void TabCommands::SaveAsAudioFile(const TabSongInput& song) {
  SongAudio audio;
  if (!SongChordList(song, audio.chords, SongProduct::AudioFile, parent_, hooks_)) return;
  FileDialogOptions o;
  o.title = "Save As Audio File";
  o.folder = Q(settings_.LastDir);
  o.fileName = Q(WithExtension(FileNameOf(song.fileName), ".wav"));
  o.filter = "WAV files (*.wav)|*.wav|FLAC files (*.flac)|*.flac|Ogg Vorbis files (*.ogg)|*.ogg";
  o.confirmOverwrite = true;
  QString chosen = dialogs().SaveFile(parent_, o);
  if (chosen.isEmpty()) return;
  if (!AudioFormatForPath(S(chosen), nullptr)) chosen += ".wav";

  audio.patch = static_cast<std::uint8_t>(song.patch);
  audio.tempo = song.tempo;
  audio.tuning = TuningTagOf(song.tuningOffsets);
  audio.soundFontSetting = settings_.SoundFont;
  audio.capo = FindSongCapo(song.lines);
  const std::string path = S(chosen);
  QProgressDialog progress(QString(), "Cancel", 0, 1000, parent_);
  progress.setLabel(PlainLabel("Writing " + Q(FileNameOf(path)) + "..."));
  progress.setWindowTitle("Audio File");
  progress.setWindowModality(Qt::WindowModal);
  progress.setMinimumDuration(300);
  const AudioExportResult result = ExportSongAudio(audio, path, [&progress](double done) {
    progress.setValue(static_cast<int>(done * 1000));
    return !progress.wasCanceled();
  });
  progress.reset();
  if (result.cancelled) return;
  if (!result.ok) {
    Error(Q(result.error));
    return;
  }
  if (hooks_.setLastDir) hooks_.setLastDir(FolderOf(path));
}

}  // namespace strumbly
