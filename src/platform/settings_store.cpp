#include "platform/settings_store.h"

#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include "platform/command_error.h"
#include "platform/song_io.h"

namespace strumbly {

namespace {

QString UserSettingsPath() {
  return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + "/Strumbly/Strumbly.conf";
}

QString BackupPathOf(const QString& path) { return path + ".bak"; }

}  // namespace

IniSettingsStore::IniSettingsStore() : IniSettingsStore(UserSettingsPath()) {}

IniSettingsStore::IniSettingsStore(const QString& path) : path_(path) { Load(); }

IniSettingsStore::Stamp IniSettingsStore::StampNow() const {
  struct stat st {};
  if (::stat(QFile::encodeName(path_).constData(), &st) != 0) return {};
  return {static_cast<long long>(st.st_size), static_cast<long long>(st.st_mtim.tv_sec),
          static_cast<long long>(st.st_mtim.tv_nsec), static_cast<long long>(st.st_ino)};
}

void IniSettingsStore::Load() {
  ini_ = IniFile();
  oldText_.clear();
  unreadable_ = hadErrors_ = false;
  loaded_ = StampNow();
  if (!QFileInfo::exists(path_)) return;  // a first run
  try {
    // Regular files only, never blocking on a pipe or reading a device.
    oldText_ = ReadSongFile(path_);
  } catch (const CommandError&) {
    unreadable_ = hadErrors_ = true;
    return;
  }
  ini_ = IniFile::Parse(oldText_);
  hadErrors_ = !ini_.badLines().empty();
  if (!hadErrors_) oldText_.clear();
}

std::string IniSettingsStore::LoadProblem() const {
  const std::string file = path_.toStdString();
  if (unreadable_) return "Cannot open file " + file;
  const auto& bad = ini_.badLines();
  if (bad.empty()) return {};
  std::string lines;
  for (std::size_t i = 0; i < bad.size() && i < 5; ++i) lines += (i ? ", " : "") + std::to_string(bad[i]);
  if (bad.size() > 5) lines += " and " + std::to_string(bad.size() - 5) + " more";
  return "Some lines of the settings file " + file + " could not be read (line" + (bad.size() > 1 ? "s " : " ") +
         lines + "). They are left out and the other settings are used; a copy of the file is kept as " +
         BackupPathOf(path_).toStdString() + ".";
}

std::optional<std::string> IniSettingsStore::Read(const std::string& section, const std::string& name) {
  std::optional<std::string> value = ini_.Get(section, name);
  // Read under the program's own spelling, the value is written back under
  // it too, also when it is not changed.
  if (value) ini_.Set(section, name, *value);
  return value;
}

void IniSettingsStore::Write(const std::string& section, const std::string& name, const std::string& value) {
  ini_.Set(section, name, value);
  written_.push_back({section, name, value});
  if (firstWritten_.empty()) firstWritten_ = name;
}

void IniSettingsStore::WriteIfMissing(const std::string& section, const std::string& name, const std::string& value) {
  if (ini_.Get(section, name)) return;
  Write(section, name, value);
  written_.back().ifMissing = true;
}

void IniSettingsStore::Commit() {
  const std::string name = firstWritten_.empty() ? std::string("Options") : firstWritten_;
  firstWritten_.clear();
  if (StampNow() != loaded_) {
    Load();
    for (const Written& w : written_)
      if (!w.ifMissing || !ini_.Get(w.section, w.name)) ini_.Set(w.section, w.name, w.value);
  }
  try {
    QDir().mkpath(QFileInfo(path_).absolutePath());
    if (hadErrors_) {
      // The user's own text may hold what the lines left out meant; it is
      // kept before the file is written over.
      const QString backup = BackupPathOf(path_);
      if (!unreadable_) {
        WriteFileSafely(backup, oldText_);
      } else if (QFileInfo(path_).isFile()) {
        QFile::remove(backup);
        QFile::copy(path_, backup);
      }
    }
    WriteFileSafely(path_, ini_.Format());
  } catch (const CommandError&) {
    throw CommandError(QString("Failed to set data for '%1'").arg(QString::fromStdString(name)));
  }
  hadErrors_ = unreadable_ = false;
  oldText_.clear();
  written_.clear();
  loaded_ = StampNow();
}

QString DefaultInstallDir() {
  const QString dir = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + "/Strumbly";
  QDir().mkpath(dir);
  return dir;
}

}  // namespace strumbly
