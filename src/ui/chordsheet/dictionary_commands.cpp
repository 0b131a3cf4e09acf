// The chord dictionary: loaded at start-up, written back at exit, and a
// picked chord goes into the song.
#include "ui/chordsheet/dictionary_commands.h"

#include <QComboBox>

#include "core/chordsheet/dictionary.h"
#include "core/chordsheet/text.h"
#include "ui/chordsheet/chord_commands.h"
#include "ui/chordsheet/chord_sheet.h"
#include "ui/chordsheet/dictionary_box.h"
#include "ui/qt_text.h"

namespace strumbly {

DictionaryCommands::DictionaryCommands(QComboBox& box, ChordSheet& sheet, ChordCommands& edits,
                                       const Settings& settings, QObject* parent)
    : QObject(parent), sheet_(sheet), edits_(edits), settings_(settings), dictionary_(new DictionaryBox(&box, this)) {
  connect(dictionary_, &DictionaryBox::chordPicked, this,
          [this](const QString& line) { edits_.RunEdit([this, line] { InsertChord(line); }); });
}

void DictionaryCommands::Load() {
  edits_.Run([this] { dictionary_->load(Q(settings_.InstallDir), settings_.SortDictionary); });
}

void DictionaryCommands::Save() {
  edits_.Run([this] { dictionary_->save(); });
}

// The picked chord line goes in below the caret's line, is shown on the neck
// and sounds; a line that does not parse is taken out again.
void DictionaryCommands::InsertChord(const QString& line) {
  if (line.isEmpty()) return;
  const int p = DictionaryInsertLine(sheet_.CurrentLine(), sheet_.LineCount());
  sheet_.InsertLine(p, line);
  ChordRecord r;
  const std::string error = edits_.ParseChordLine(p, false, r);
  if (!error.empty()) {
    sheet_.DeleteLine(p);
    edits_.ShowError(Q(DictionaryChordError(error)));
    return;
  }
  sheet_.SelectLine(p, true);
  edits_.ShowLine(p);
  edits_.Preview(r.Pitches);
  sheet_.SelectLine(p, true);
  edits_.FocusEditor();
}

void DictionaryCommands::ReplaceFromSong() { dictionary_->replaceFromSong(ToStdStrings(sheet_.Lines())); }

}  // namespace strumbly
