#pragma once
// The Special menu's commands: "&Tabulature..." (F4), "&ASCII Tabulature..."
// (F5), "&Midi File..." (F6) and the audio file, with their checks and
// messages. The main
// window hands over the song as plain values and calls one function per
// command.
#include <QKeySequence>
#include <QPointer>
#include <functional>
#include <string>
#include <vector>

#include "core/app/settings.h"
#include "core/app/song_file.h"
#include "core/guitar/tuning.h"

class QWidget;

namespace strumbly {

class TfrmTab;
class TfrmGetTabInfo;

// The song as the commands read it.
struct TabSongInput {
  std::vector<std::string> lines;  // the editor's lines
  std::string fileName;            // CurrentFileName
  int patch = kDefaultPatch;       // CurrentPatch
  int tempo = kDefaultTempo;       // beats per minute
  StringOffsets tuningOffsets{};   // TuningOffsets of the current tuning
  std::string tuningText;          // the tuning as the status bar names it
};

struct TabCommandHooks {
  // Selects the editor line with the given index (the first bad line).
  std::function<void(int)> selectLine;
  // StatusHintsEnabled of the main window.
  std::function<void(bool)> setStatusHints;
  // The settings' LastDir: the folder of the MIDI file just written.
  std::function<void(const std::string& folder)> setLastDir;
};

// The menu items, for the main window's Special menu ("&Special", hint
// "Tab and MIDI output.").
struct TabMenuItem {
  const char* objectName;
  const char* caption;
  Qt::Key shortcut;
  const char* hint;
};
inline constexpr TabMenuItem kTabMenuItem{"Tab1", "&Tabulature...", Qt::Key_F4, "Show tabulature window."};
inline constexpr TabMenuItem kAsciiTabMenuItem{"ASCIItab1", "&ASCII Tabulature...", Qt::Key_F5,
                                               "Show ASCII tabulature window."};
inline constexpr TabMenuItem kMidiFileMenuItem{"SaveAsMidiFile1", "&Midi File...", Qt::Key_F6, "Create a MIDI file."};

class TabCommands {
 public:
  // settings is read for TabPrompt, TabFont and LastDir; after a MIDI file
  // was written, hooks.setLastDir updates LastDir.
  TabCommands(QWidget* parent, const Settings& settings, TabCommandHooks hooks);
  ~TabCommands();
  TabCommands(const TabCommands&) = delete;
  TabCommands& operator=(const TabCommands&) = delete;

  void ShowTab(const TabSongInput& song);         // Tab1Click
  void ShowAsciiTab(const TabSongInput& song);    // ASCIItab1Click
  void SaveAsMidiFile(const TabSongInput& song);  // SaveAsMidiFile1Click
  // The song rendered by the built-in synthesizer (settings' SoundFont) into
  // a WAV, FLAC or Ogg file, with the same checks as the MIDI file.
  void SaveAsAudioFile(const TabSongInput& song);  // AudioFile1Click

  // The title the prompt proposes until the user types another.
  void ProposeTitle(const std::string& title);

  // The windows, created on first use.
  TfrmTab& frmTab();
  TfrmGetTabInfo& frmGetTabInfo();

 private:
  void ShowTablature(const TabSongInput& song, bool ascii);
  void Error(const QString& text);

  QWidget* parent_;
  const Settings& settings_;
  TabCommandHooks hooks_;
  // Owned by the parent window when there is one; the pointers go empty
  // when it deletes them.
  QPointer<TfrmTab> frmTab_;
  QPointer<TfrmGetTabInfo> frmGetTabInfo_;
};

}  // namespace strumbly
