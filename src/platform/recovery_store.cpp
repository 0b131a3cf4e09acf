#include "platform/recovery_store.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <QDir>
#include <QFile>

#include "platform/command_error.h"
#include "platform/song_io.h"

namespace strumbly {

namespace {
const QString kRecoverySuffix = ".recovery";
const QString kLockSuffix = ".lock";

// True while a running program holds the lock beside the recovery file.
bool LockHeld(const QString& lockPath) {
  const int fd = ::open(QFile::encodeName(lockPath).constData(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return false;  // no lock file: its run has ended
  const bool held = ::flock(fd, LOCK_SH | LOCK_NB) != 0;
  ::close(fd);
  return held;
}
}  // namespace

QString DefaultRecoveryFolder() {
  QString state = qEnvironmentVariable("XDG_STATE_HOME");
  // Only an absolute path counts.
  if (!state.startsWith('/')) state = QDir::homePath() + "/.local/state";
  return state + "/Strumbly";
}

RecoveryStore::RecoveryStore(const QString& folder) : folder_(folder), id_(QString::number(::getpid())) {}

RecoveryStore::~RecoveryStore() {
  if (lockFd_ < 0) return;
  QFile::remove(folder_ + "/" + id_ + kLockSuffix);
  ::close(lockFd_);
}

QString RecoveryStore::path() const { return folder_ + "/" + id_ + kRecoverySuffix; }

void RecoveryStore::TakeLock() {
  if (lockFd_ >= 0) return;
  const QByteArray lock = QFile::encodeName(folder_ + "/" + id_ + kLockSuffix);
  lockFd_ = ::open(lock.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
  if (lockFd_ >= 0) ::flock(lockFd_, LOCK_EX | LOCK_NB);
}

void RecoveryStore::Save(const RecoveredSong& song) {
  if (!QDir().mkpath(folder_)) throw CommandError("Cannot create file " + path());
  TakeLock();
  WriteFileSafely(path(), FormatRecovery(song));
}

void RecoveryStore::Remove() { Remove(path()); }

void RecoveryStore::Remove(const QString& path) {
  QFile::remove(path);
  // The lock file of a run that has ended goes with it.
  if (!path.endsWith(kRecoverySuffix)) return;
  const QString lock = path.chopped(kRecoverySuffix.size()) + kLockSuffix;
  if (!LockHeld(lock)) QFile::remove(lock);
}

QStringList RecoveryStore::FindLeftOvers() const {
  const QStringList names = QDir(folder_).entryList({"*" + kRecoverySuffix}, QDir::Files | QDir::Hidden, QDir::Time);
  QStringList found;
  for (const QString& name : names) {
    const QString id = name.chopped(kRecoverySuffix.size());
    if (id == id_ || LockHeld(folder_ + "/" + id + kLockSuffix)) continue;
    found << folder_ + "/" + name;
  }
  return found;
}

std::optional<QString> RecoveryStore::FindLeftOver() const {
  const QStringList found = FindLeftOvers();
  if (found.isEmpty()) return std::nullopt;
  return found.first();
}

std::optional<RecoveredSong> RecoveryStore::Load(const QString& path) {
  try {
    // Not through the limit for songs that are opened: this file holds
    // the user's work, whatever its size.
    return ParseRecovery(ReadOwnFile(path));
  } catch (const std::exception&) {  // unreadable, or too large for memory
    return std::nullopt;
  }
}

}  // namespace strumbly
