#pragma once
// The chord editing commands of the edit buttons and the name box. Each
// parses the line it works on, writes its result back as text and shows the
// line again; each runs as one step of the editor's undo.
#include <QObject>
#include <QString>
#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "core/chordsheet/chord_line.h"
#include "core/guitar/transpose.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace strumbly {

class ChordSheet;
class SongState;

// What the commands need of the window around them.
struct ChordCommandHooks {
  // Shows line n: its chord on the neck and in the labels, or its error.
  std::function<bool(int n)> showLine;
  // Sounds a chord for a moment (pitches in standard tuning, string 1 first).
  std::function<void(const std::array<std::uint8_t, 6>&)> preview;
  std::function<void(const QString&)> showError;
  // Runs a command; a failure of a file or settings operation ends it and
  // is reported.
  std::function<void(const std::function<void()>&)> run;
  // The line whose name the name box shows.
  std::function<int()> nameLine;
};

// The controls the commands read, write and answer.
struct ChordCommandControls {
  QLabel* chordName = nullptr;
  QLineEdit* name = nullptr;
  QCheckBox* dotted = nullptr;
  QPushButton* newChord = nullptr;
  QPushButton* rest = nullptr;
  QPushButton* duplicate = nullptr;
  QPushButton* clear = nullptr;
  QPushButton* remove = nullptr;
  QPushButton* shiftLeft = nullptr;
  QPushButton* shiftRight = nullptr;
  std::array<QPushButton*, 7> durations{};  // whole note first, as kNoteValueButtons
};

class ChordCommands : public QObject {
  Q_OBJECT
 public:
  // The sheet, song and controls must outlive this.
  ChordCommands(ChordSheet& sheet, SongState& song, ChordCommandControls controls, ChordCommandHooks hooks,
                QObject* parent = nullptr);
  ~ChordCommands() override;

  // Connects the buttons, the Dotted box and the name box to the commands.
  void Connect();

  // Parses line n; clears the chord name label first; with showMessage an
  // error is also shown in an error box.
  std::string ParseChordLine(int n, bool showMessage, ChordRecord& record);
  // Runs an editing command as one step of the editor's undo.
  void RunEdit(const std::function<void()>& command);
  void FocusEditor();
  void Preview(const std::array<std::uint8_t, 6>& pitches) const;
  // Shows line n, as the window does.
  bool ShowLine(int n) { return hooks_.showLine(n); }
  QLabel& ChordNameLabel() const { return *controls_.chordName; }
  void ShowError(const QString& text) const { hooks_.showError(text); }
  // Runs a command; a failure ends it and is reported.
  void Run(const std::function<void()>& command) const { hooks_.run(command); }

  // --- line operations -------------------------------------------------
  void SetStringFret(int n, int s, int f);
  void InsertTemplateLine(const QString& name);
  void FillBlankLine(int n);

  // --- the buttons -----------------------------------------------------
  void NewChord();
  void Rest();
  void Duplicate();
  void Clear();
  void Delete();
  void ShiftLeft();
  void ShiftRight();
  // A note-value button: the letter it writes, from kNoteValueButtons.
  void SetDuration(char letter);
  void DottedClicked();
  // The name box left (or Enter pressed): the chord of line n takes its name.
  void Rename(int n);

  // --- the song as a whole ---------------------------------------------
  // The selected lines, or the whole song when nothing is selected, move
  // by the semitones: frets and names (see TransposeLines). Gives the
  // message that lists chords left as they were; empty when none was.
  QString Transpose(int semitones, const ShapeLookup& lookup);
  // The song's capo line says capo (none for 0).
  void SetCapo(int capo);

 private:
  void ShiftChord(int step);

  ChordSheet& sheet_;
  SongState& song_;
  ChordCommandControls controls_;
  ChordCommandHooks hooks_;
  // Renames when the name box loses the focus.
  std::unique_ptr<QObject> nameWatcher_;
};

}  // namespace strumbly
