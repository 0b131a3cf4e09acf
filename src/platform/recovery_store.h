#pragma once
// Where the running program keeps its unsaved song for recovery:
// $XDG_STATE_HOME/Strumbly/ (default ~/.local/state/Strumbly/). Each running
// program has its own file, "PID.recovery", and holds a lock on "PID.lock"
// while it runs, so a second window's song is never offered as left over,
// and a file left by an ended run is found even when its process number has
// been given to another process since.
#include <QString>
#include <QStringList>
#include <optional>

#include "core/app/recovery.h"

namespace strumbly {

// $XDG_STATE_HOME/Strumbly, or ~/.local/state/Strumbly.
QString DefaultRecoveryFolder();

class RecoveryStore {
 public:
  explicit RecoveryStore(const QString& folder = DefaultRecoveryFolder());
  ~RecoveryStore();  // the lock goes, this run's recovery file stays
  RecoveryStore(const RecoveryStore&) = delete;
  RecoveryStore& operator=(const RecoveryStore&) = delete;

  // This run's file: written safely (the folder is made when missing);
  // throws CommandError when it cannot be written.
  void Save(const RecoveredSong& song);
  // Removes this run's file (the song was saved, or dropped on purpose).
  void Remove();
  QString path() const;

  // The recovery files that runs which have ended left behind, the newest
  // first.
  QStringList FindLeftOvers() const;
  // The newest of them; nullopt when there is none.
  std::optional<QString> FindLeftOver() const;
  // The song in a recovery file, however large; nullopt when it cannot be
  // read or is no recovery file.
  static std::optional<RecoveredSong> Load(const QString& path);
  static void Remove(const QString& path);

 private:
  void TakeLock();
  QString folder_;
  QString id_;
  int lockFd_ = -1;
};

}  // namespace strumbly
