#pragma once
// The chord dictionary's commands: the list loaded at start-up and written
// back at exit, a picked chord inserted into the song, and the list replaced
// by the song's chords.
#include <QObject>
#include <QString>

#include "core/app/settings.h"

class QComboBox;

namespace strumbly {

class ChordCommands;
class ChordSheet;
class DictionaryBox;

class DictionaryCommands : public QObject {
  Q_OBJECT
 public:
  // Everything must outlive this; settings is read for InstallDir and
  // SortDictionary.
  DictionaryCommands(QComboBox& box, ChordSheet& sheet, ChordCommands& edits, const Settings& settings,
                     QObject* parent = nullptr);

  DictionaryBox& dictionary() const { return *dictionary_; }

  // A failure of either is reported; the run goes on.
  void Load();
  void Save();
  // The picked chord line goes in below the caret's line.
  void InsertChord(const QString& line);
  // The list becomes the song's chord lines.
  void ReplaceFromSong();

 private:
  ChordSheet& sheet_;
  ChordCommands& edits_;
  const Settings& settings_;
  DictionaryBox* dictionary_;  // a child of this
};

}  // namespace strumbly
