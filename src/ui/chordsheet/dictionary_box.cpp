#include "ui/chordsheet/dictionary_box.h"

#include <QSignalBlocker>

#include "core/chordsheet/dictionary.h"
#include "platform/command_error.h"
#include "platform/dictionary_file.h"
#include "ui/qt_text.h"

namespace strumbly {

DictionaryBox::DictionaryBox(QComboBox* box, QObject* parent) : QObject(parent), box_(box) {
  box_->setEditable(false);
  box_->setInsertPolicy(QComboBox::NoInsert);
  connect(box_, &QComboBox::activated, this, [this](int index) {
    const QString line = box_->itemText(index);
    if (!line.isEmpty()) emit chordPicked(line);
  });
}

QStringList DictionaryBox::entries() const {
  QStringList list;
  if (!box_) return list;
  list.reserve(box_->count());
  for (int i = 0; i < box_->count(); ++i) list << box_->itemText(i);
  return list;
}

void DictionaryBox::setEntries(const QStringList& list) {
  const QSignalBlocker quiet(box_);
  const QString shown = box_->currentText();
  box_->clear();
  box_->addItems(list);
  // The entry that was shown stays shown when it is still there.
  box_->setCurrentIndex(shown.isEmpty() ? -1 : static_cast<int>(list.indexOf(shown)));
}

void DictionaryBox::load(const QString& installDir, bool sorted) {
  fileName_ = DictionaryFileName(installDir);
  sorted_ = sorted;
  keepFileAsItIs_ = false;
  setEntries({});
  try {
    DictionaryEntries entries = LoadUserDictionary(installDir).entries;
    if (sorted_) SortDictionary(entries);
    setEntries(ToQStrings(entries));
  } catch (const CommandError&) {
    // Writing the empty list at exit would throw the user's chords away.
    keepFileAsItIs_ = true;
    throw;
  }
}

void DictionaryBox::save() {
  if (fileName_.isEmpty() || keepFileAsItIs_) return;
  WriteDictionaryFile(fileName_, ToStdStrings(entries()));
}

void DictionaryBox::setSorted(bool sorted) {
  sorted_ = sorted;
  if (!sorted_) return;
  DictionaryEntries list = ToStdStrings(entries());
  SortDictionary(list);
  setEntries(ToQStrings(list));
}

void DictionaryBox::replaceFromSong(const std::vector<std::string>& songLines) {
  setEntries(ToQStrings(DictionaryFromSong(songLines, sorted_)));
  keepFileAsItIs_ = false;
}

}  // namespace strumbly
