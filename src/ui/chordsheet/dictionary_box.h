#pragma once
// The chord dictionary list (cboDictionary): loads CHORDS.DCT at start-up,
// writes it back at exit, keeps itself in alphabetical order when asked and
// tells the main window which chord line the user picked.
#include <QComboBox>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <string>
#include <vector>

namespace strumbly {

class DictionaryBox : public QObject {
  Q_OBJECT
 public:
  // The box stays owned by its window; it becomes a pick-only list.
  explicit DictionaryBox(QComboBox* box, QObject* parent = nullptr);

  // Fills the list from installDir/CHORDS.DCT, which is made from the shipped
  // dictionary on first run, then sorts it when sorted is set. A file that
  // cannot be read leaves the list empty and throws "Cannot open file PATH";
  // that file is then left alone at exit unless the list is replaced.
  void load(const QString& installDir, bool sorted);
  // Writes the list back to the file it was loaded from. Throws "Cannot
  // create file PATH"; nothing happens before a load.
  void save();
  QString fileName() const { return fileName_; }

  // On: the list is sorted at once and new entries take their sorted place.
  // Off: the order stays as it is.
  void setSorted(bool sorted);
  bool isSorted() const { return sorted_; }

  // Replaces the list by the song's chord lines: every line that is not a
  // comment and parses, blank lines as empty entries.
  void replaceFromSong(const std::vector<std::string>& songLines);

  QStringList entries() const;
  QComboBox* box() const { return box_; }

 signals:
  // The user picked a non-empty entry; the text is the chord line as listed.
  void chordPicked(const QString& line);

 private:
  void setEntries(const QStringList& entries);

  QPointer<QComboBox> box_;
  QString fileName_;
  bool sorted_ = false;
  bool keepFileAsItIs_ = false;
};

}  // namespace strumbly
