#pragma once
// The song files: New, Open, Save and Save As with the save question, and
// OpenSong, the one sequence that replaces the song by a file's. The command
// line, recent files and dropped files all open through OpenSong.
#include <QObject>
#include <QString>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "core/app/recovery.h"
#include "core/app/settings.h"
#include "core/app/song_file.h"
#include "core/app/song_state.h"
#include "platform/song_io.h"

class QTextDocument;
class QWidget;

namespace strumbly {

class ChordSheet;
class TuningMenu;

class SongFiles : public QObject {
  Q_OBJECT
 public:
  // Songs with more lines than this load in steps, with a progress dialog
  // that shows when the loading takes longer than half a second.
  static constexpr int kStepwiseLines = 20000;
  // How long such a loading runs before its progress shows.
  void SetProgressDelay(int ms) { progressDelayMs_ = ms; }

  // Everything must outlive this. setLastDir takes the folder of a song
  // opened or saved through a dialog.
  SongFiles(QWidget* dialogParent, ChordSheet& sheet, SongState& song, const Settings& settings,
            std::function<void(const std::string& folder)> setLastDir, TuningMenu& tuningMenu);

  // Empties the editor and starts an untitled song.
  void NewSong();
  // The state of a new song and the controls that show it; the name stays.
  void ResetSongState();
  // Replaces the song by the file's. The file is read first: one that
  // cannot be read (CommandError) leaves the current song as it was, and so
  // does cancelling the progress of a large one.
  void OpenSong(const QString& path);
  // Puts a song that an ended run left unsaved in the editor: unsaved
  // still, under its own name and never under the name of the song it
  // replaces; nothing on disk changes.
  void RecoverSong(RecoveredSong song);
  // Writes the song to path as it stands; throws CommandError.
  void WriteSong(const QString& path);
  // Saves under the song's name; an untitled song asks for a name. A file
  // that another program changed since the song was opened from it or saved
  // to it is replaced only on the user's word. False when nothing was saved
  // because the user cancelled or declined.
  bool SaveSong();
  // True when the caller may let the song go: saved, not wanted, or prompts
  // are off. False on Cancel.
  bool AskToSave();

  // The File menu commands.
  void New1Click();
  void Open1Click();
  void Save1Click();
  bool SaveAs1Click();

 signals:
  // ResetSongState's part on the controls: neck, play options, loop, label.
  void songReset();
  // A song was opened or started: the window shows this line.
  void showLine(int line);
  void focusEditor();

 private:
  void LoadSongText(const SongText& text, std::unique_ptr<QTextDocument> lines = nullptr);
  // The lines of a large song as a document, made with a progress dialog
  // that can cancel it (then null).
  std::unique_ptr<QTextDocument> MakeLargeSong(const SongText& text, const QString& path);
  // The song now belongs to the file at path as it is on disk.
  void RememberFile(const QString& path, std::optional<FileStamp> stamp);
  // False when the file at path changed on disk since the song was opened
  // from it or saved to it, and the user does not want it replaced.
  bool MayReplace(const QString& path);

  QWidget* dialogParent_;
  ChordSheet& sheet_;
  SongState& song_;
  const Settings& settings_;
  std::function<void(const std::string& folder)> setLastDir_;
  TuningMenu& tuningMenu_;
  int progressDelayMs_ = 500;
  // The song's file as it was seen last; empty path when the song has not
  // been read from or written to its file in this run.
  QString seenPath_;
  std::optional<FileStamp> seenStamp_;
};

}  // namespace strumbly
