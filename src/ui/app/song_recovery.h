#pragma once
// Keeps an unsaved song safe from a kill, a crash or a power cut: a few
// seconds after a change the song goes to this run's recovery file; saving
// it, or letting it go on the user's word, removes the file. At the next
// start a file that an ended run left behind is offered back.
#include <QObject>
#include <QTimer>

#include "platform/recovery_store.h"

class QWidget;

namespace strumbly {

class ChordSheet;
class SongFiles;
class SongState;

class SongRecovery : public QObject {
  Q_OBJECT
 public:
  // How long after a change the song is written at the latest.
  static constexpr int kDelayMs = 2000;

  // The song goes back into the editor through songFiles.
  SongRecovery(QWidget* dialogParent, ChordSheet& sheet, SongState& song, SongFiles& songFiles);

  // The song changed: it is written within kDelayMs.
  void Changed();
  // Writes the song now if it has unsaved changes, else removes the file.
  void Flush();
  // The song was saved or let go: nothing to keep.
  void Forget();
  // Asks about a song an ended run left behind; Yes puts it in the editor
  // as an unsaved song under its old name. Either way the file goes once
  // the answer is given (on Yes once this run keeps the song); a file that
  // cannot be read stays, and the user is told where it is.
  void OfferLeftOver();
  QString path() const { return store_.path(); }

 signals:
  // A recovered song is in the editor: show its first line.
  void recovered(int line);

 private:
  QWidget* dialogParent_;
  ChordSheet& sheet_;
  SongState& song_;
  SongFiles& songFiles_;
  RecoveryStore store_;
  QTimer timer_;
};

}  // namespace strumbly
