#pragma once
// Song files dropped on the main window from the file manager. Only the
// first file of a drop counts; a song file (".sly" in any letter case)
// opens in place of the current song, anything else is left alone.
#include <QList>
#include <QObject>
#include <QUrl>

class QWidget;

namespace strumbly {

class Player;
class SongFiles;
class SongState;

class DroppedFiles : public QObject {
  Q_OBJECT
 public:
  // Everything must outlive this.
  DroppedFiles(SongState& song, SongFiles& songFiles, const Player& player);

  // Takes drops of files on the widget. The window takes them everywhere its
  // children do not; a child that takes drops of its own (the editor takes
  // text) is given to Watch as well, so files dropped there open as songs
  // instead of being pasted as text.
  void Watch(QWidget* widget);

  // The song file of the drop, or an empty path when the first file is
  // not one.
  static QString SongPathOf(const QList<QUrl>& urls);
  // Opens the first dropped file when it is a song. Nothing happens while a
  // song plays; a modified song gets the save question first.
  void OpenDroppedFile(const QList<QUrl>& urls);

 signals:
  // A drop arrived; it is handled once the drop itself is over, so the file
  // manager is not kept waiting while the save question is open.
  void dropped(const QList<QUrl>& urls);
  void focusEditor();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  SongState& song_;
  SongFiles& songFiles_;
  const Player& player_;
};

}  // namespace strumbly
