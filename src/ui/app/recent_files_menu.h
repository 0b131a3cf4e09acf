#pragma once
// The recent-file items at the end of the File menu: the three songs opened
// last, kept in the settings. A song opened from the File menu, the command
// line or a drop heads the list; one reopened from the list, or saved under
// a new name, leaves it as it is.
#include <QObject>
#include <QString>
#include <array>
#include <string>

#include "core/app/recent_files.h"
#include "core/app/settings.h"
#include "core/app/song_state.h"

class QAction;
class QWidget;

namespace strumbly {

class SongFiles;

class RecentFilesMenu : public QObject {
  Q_OBJECT
 public:
  // The separator and items belong to the File menu; everything must
  // outlive this.
  RecentFilesMenu(QWidget* dialogParent, QAction* separator, const std::array<QAction*, kRecentFileCount>& items,
                  Settings& settings, SongState& song, SongFiles& songFiles);

  // Shows the list in the menu.
  void UpdateRecentMenu();
  void PushRecentFile(const std::string& path);
  // Opens the song of item 0..2 (mnuFilename0Click ..).
  void OpenRecentItem(int index);
  // Opens the song at path in place of the current one; the list keeps its
  // order. A missing file is reported and stays listed.
  void OpenRecentFile(const QString& path);
  // The path item 0..2 opens.
  static QString PathOf(const QAction* item);

 signals:
  void focusEditor();

 private:
  QWidget* dialogParent_;
  QAction* separator_;
  std::array<QAction*, kRecentFileCount> items_;
  Settings& settings_;
  SongState& song_;
  SongFiles& songFiles_;
  bool reopening_ = false;  // a song opens from the list: it stays in order
};

}  // namespace strumbly
