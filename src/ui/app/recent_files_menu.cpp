#include "ui/app/recent_files_menu.h"

#include <QAction>
#include <QFileInfo>
#include <QScopedValueRollback>
#include <QVariant>

#include "core/app/song_names.h"
#include "platform/dialogs.h"
#include "ui/app/song_files.h"
#include "ui/qt_text.h"

namespace strumbly {

RecentFilesMenu::RecentFilesMenu(QWidget* dialogParent, QAction* separator,
                                 const std::array<QAction*, kRecentFileCount>& items, Settings& settings,
                                 SongState& song, SongFiles& songFiles)
    : dialogParent_(dialogParent),
      separator_(separator),
      items_(items),
      settings_(settings),
      song_(song),
      songFiles_(songFiles) {
  song_.OnFileNameAdopted([this](const std::string& path, NameSource source) {
    if (source == NameSource::Opened && !reopening_) PushRecentFile(path);
  });
}

void RecentFilesMenu::UpdateRecentMenu() {
  const RecentMenu menu = RecentMenuFor(settings_);
  separator_->setVisible(menu.separatorVisible);
  for (std::size_t i = 0; i < items_.size(); ++i) {
    const RecentMenuItem& shown = menu.items[i];
    // An entry emptied when a repeat was closed up hides its item.
    if (shown.caption.empty()) items_[i]->setVisible(false);
    if (shown.caption.empty()) continue;
    const QString path = Q(shown.caption);
    // The caption is the full path; an '&' in it is a character of the
    // name, not the mark of a shortcut letter.
    items_[i]->setText(QString(path).replace("&", "&&"));
    items_[i]->setData(path);
    items_[i]->setVisible(shown.visible);
  }
}

void RecentFilesMenu::PushRecentFile(const std::string& path) {
  strumbly::PushRecentFile(settings_, path);
  UpdateRecentMenu();
}

QString RecentFilesMenu::PathOf(const QAction* item) { return item->data().toString(); }

void RecentFilesMenu::OpenRecentItem(int index) { OpenRecentFile(PathOf(items_.at(static_cast<std::size_t>(index)))); }

void RecentFilesMenu::OpenRecentFile(const QString& path) {
  if (song_.Modified() && !songFiles_.AskToSave()) return;
  if (!QFileInfo::exists(path)) {
    dialogs().Message(dialogParent_, MessageKind::Error, Q(DoesNotExistMessage(S(path))), MessageButtons::Ok);
    return;
  }
  const QScopedValueRollback<bool> reopening(reopening_, true);
  songFiles_.OpenSong(path);
  emit focusEditor();
}

}  // namespace strumbly
