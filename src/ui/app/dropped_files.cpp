#include "ui/app/dropped_files.h"

#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>
#include <QWidget>

#include "core/app/song_names.h"
#include "core/app/song_state.h"
#include "ui/app/song_files.h"
#include "ui/qt_text.h"
#include "ui/sound/player.h"

namespace strumbly {

namespace {

// File drops, as against text dragged about inside the editor.
bool HoldsFiles(const QMimeData* data) {
  if (!data || !data->hasUrls()) return false;
  for (const QUrl& url : data->urls())
    if (url.isLocalFile()) return true;
  return false;
}

}  // namespace

DroppedFiles::DroppedFiles(SongState& song, SongFiles& songFiles, const Player& player)
    : song_(song), songFiles_(songFiles), player_(player) {}

void DroppedFiles::Watch(QWidget* widget) {
  widget->setAcceptDrops(true);
  widget->installEventFilter(this);
}

QString DroppedFiles::SongPathOf(const QList<QUrl>& urls) {
  if (urls.isEmpty() || !urls.first().isLocalFile()) return {};
  // The path is taken whole, however long it is.
  const QString path = urls.first().toLocalFile();
  if (!QFileInfo(path).isFile() || !HasSongExtension(S(path))) return {};
  return path;
}

void DroppedFiles::OpenDroppedFile(const QList<QUrl>& urls) {
  const QString path = SongPathOf(urls);
  if (path.isEmpty()) return;
  // While a song plays nothing opens, and nothing is asked: a question box
  // would hold up the playback waiting behind it.
  if (player_.IsPlaying()) return;
  if (song_.Modified() && !songFiles_.AskToSave()) return;
  songFiles_.OpenSong(path);
  emit focusEditor();
}

bool DroppedFiles::eventFilter(QObject* watched, QEvent* event) {
  switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove: {
      auto* drag = static_cast<QDropEvent*>(event);
      if (!HoldsFiles(drag->mimeData())) return false;  // the widget's own business
      // The pointer shows whether letting go here would open something.
      if (SongPathOf(drag->mimeData()->urls()).isEmpty()) {
        drag->ignore();
      } else {
        drag->setDropAction(Qt::CopyAction);
        drag->accept();
      }
      return true;
    }
    case QEvent::Drop: {
      auto* drop = static_cast<QDropEvent*>(event);
      if (!HoldsFiles(drop->mimeData())) return false;
      drop->setDropAction(Qt::CopyAction);
      drop->accept();
      emit dropped(drop->mimeData()->urls());
      return true;
    }
    default:
      return QObject::eventFilter(watched, event);
  }
}

}  // namespace strumbly
