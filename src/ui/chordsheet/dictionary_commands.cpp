// The chord dictionary of the main window: loaded at start-up, written back
// at exit, and a picked chord goes into the song.
#include <QComboBox>

#include "core/chordsheet/dictionary.h"
#include "core/chordsheet/text.h"
#include "ui/app/main_window.h"
#include "ui/chordsheet/dictionary_box.h"
#include "ui/qt_text.h"
#include "ui/sound/player.h"

namespace strumbly {

void TfrmMain::CreateDictionary() {
  dictionary_ = new DictionaryBox(cboDictionary, this);
  connect(dictionary_, &DictionaryBox::chordPicked, this,
          [this](const QString& line) { RunEdit([this, line] { InsertDictionaryChord(line); }); });
}

void TfrmMain::LoadDictionary() {
  RunCommand([this] { dictionary_->load(Q(settings_.InstallDir), settings_.SortDictionary); });
}

void TfrmMain::SaveDictionary() {
  RunCommand([this] { dictionary_->save(); });
}

// The picked chord line goes in below the caret's line, is shown on the neck
// and sounds; a line that does not parse is taken out again.
void TfrmMain::InsertDictionaryChord(const QString& line) {
  if (line.isEmpty()) return;
  const int p = DictionaryInsertLine(sheet_->CurrentLine(), sheet_->LineCount());
  sheet_->InsertLine(p, line);
  ChordRecord r;
  const std::string error = ParseChordLine(p, false, r);
  if (!error.empty()) {
    sheet_->DeleteLine(p);
    ShowError(Q(DictionaryChordError(error)));
    return;
  }
  sheet_->SelectLine(p, true);
  ShowLine(p);
  player_->PreviewChord(r.Pitches);
  sheet_->SelectLine(p, true);
  FocusEditor();
}

void TfrmMain::ReplaceDictionary() { dictionary_->replaceFromSong(ToStdStrings(sheet_->Lines())); }

}  // namespace strumbly
