// The Special menu: tablature, MIDI and audio files, and naming the chord of
// the current line.
#include <QAction>
#include <QLineEdit>
#include <QMenu>

#include "core/app/song_names.h"
#include "core/chordsheet/chord_edits.h"
#include "core/guitar/chord_naming.h"
#include "core/tab/tab_titles.h"
#include "platform/dialogs.h"
#include "ui/app/main_window.h"
#include "ui/busy_cursor.h"
#include "ui/qt_text.h"
#include "ui/sound/player.h"
#include "ui/tab/tab_commands.h"
#include "ui/tab/tab_info_window.h"

namespace strumbly {

void TfrmMain::BuildSpecialMenu() {
  auto add = [this](const TabMenuItem& item, void (TfrmMain::*handler)()) {
    return AddItem(Special1, item.objectName, item.caption, item.hint, QKeySequence(item.shortcut), [this, handler] {
      (this->*handler)();
      FocusEditor();
    });
  };
  Tab1 = add(kTabMenuItem, &TfrmMain::Tab1Click);
  ASCIItab1 = add(kAsciiTabMenuItem, &TfrmMain::ASCIItab1Click);
  SaveAsMidiFile1 = add(kMidiFileMenuItem, &TfrmMain::SaveAsMidiFile1Click);
  AudioFile1 = AddItem(Special1, "AudioFile1", "A&udio File...", "Create an audio file (WAV, FLAC or Ogg) of the song.",
                       QKeySequence("Shift+F6"), [this] { AudioFile1Click(); });
  Special1->addSeparator();
  NameChord1 = AddItem(Special1, "NameChord1", "&Name Chord", "Name the current chord from its notes.",
                       QKeySequence("F7"), [this] { RunEdit([this] { NameChord1Click(); }); });
}

void TfrmMain::CreateTabCommands() {
  tabCommands_ = std::make_unique<TabCommands>(
      this, settings_,
      TabCommandHooks{[this](int line) { sheet_->SelectLine(line, true); },
                      [this](bool on) { statusHintsEnabled_ = on; }, [this](const std::string& d) { SetLastDir(d); }});
  // The title prompt proposes the name of the song's file once it has one.
  song_.OnFileNameAdopted([this](const std::string& path, NameSource source) {
    if (source != NameSource::NewSong) tabCommands_->ProposeTitle(TitleOf(path));
  });
}

TabSongInput TfrmMain::SongForTab() const {
  TabSongInput s;
  s.lines = ToStdStrings(sheet_->Lines());
  s.fileName = song_.FileName();
  s.patch = song_.Patch();
  s.tempo = song_.Tempo();
  s.tuningOffsets = song_.Offsets();
  s.tuningText = TuningStatusText(TuningCaption(song_.Tuning()));
  return s;
}

void TfrmMain::Tab1Click() { tabCommands_->ShowTab(SongForTab()); }
void TfrmMain::ASCIItab1Click() { tabCommands_->ShowAsciiTab(SongForTab()); }
void TfrmMain::SaveAsMidiFile1Click() { tabCommands_->SaveAsMidiFile(SongForTab()); }

void TfrmMain::AudioFile1Click() { tabCommands_->SaveAsAudioFile(SongForTab()); }

// The current line's chord named from the notes it sounds in the current
// tuning; with several names the user picks one, the likeliest first.
void TfrmMain::NameChord1Click() {
  const int n = sheet_->CurrentLine();
  ChordRecord r;
  const std::string error = ParseChordLine(n, true, r);
  if (!error.empty()) return;
  if (KindOf(r, error) != RecordKind::Chord) {
    ShowError("The current line is not a chord definition.");
    return;
  }
  const std::vector<std::string> names = NameChord(r.Frets, song_.Tuning(), song_.Capo());
  if (names.empty()) {
    dialogs().Message(this, MessageKind::Information, "No chord name fits these notes.", MessageButtons::Ok);
    ShowLine(n);
    return;
  }
  int pick = 0;
  if (names.size() > 1) {
    pick = dialogs().Choose(this, ToQStrings(names));
    if (pick < 0 || pick >= static_cast<int>(names.size())) {
      ShowLine(n);
      return;
    }
  }
  const std::string& name = names[static_cast<std::size_t>(pick)];
  sheet_->ReplaceLine(n, Q(RenamedLine(S(sheet_->Line(n)), name)));
  ShowLine(n);
}

}  // namespace strumbly
