#pragma once
// The per-user settings store: an INI file at the standard per-user
// configuration place ($XDG_CONFIG_HOME/Strumbly/Strumbly.conf), read once
// when the store is made and written whole, safely, by Commit.
#include <QString>
#include <string>
#include <vector>

#include "core/app/ini_file.h"
#include "core/app/settings.h"

namespace strumbly {

class IniSettingsStore : public SettingsStore {
 public:
  IniSettingsStore();  // the user's own file
  explicit IniSettingsStore(const QString& path);
  // A value found under another spelling of its names takes the spelling
  // asked for, which the file is written with.
  std::optional<std::string> Read(const std::string& section, const std::string& name) override;
  void Write(const std::string& section, const std::string& name, const std::string& value) override;
  void WriteIfMissing(const std::string& section, const std::string& name, const std::string& value) override;
  // Before a file that had unreadable lines is written over, its old text
  // is kept beside it as NAME.bak. Throws "Failed to set data for 'NAME'"
  // (NAME: the first value written) when the file cannot be written.
  void Commit() override;
  // "Cannot open file PATH" when the file exists but cannot be read; a note
  // of the lines left out when some could not be read.
  std::string LoadProblem() const override;
  QString path() const { return path_; }
  // A file changed by another run since it was read is read again before
  // the commit, and only the values written here replace its values (those
  // written "if missing" only fill in what it lacks).

 private:
  struct Stamp {
    long long size = -1, seconds = 0, nanoseconds = 0, inode = 0;
    bool operator==(const Stamp&) const = default;
  };
  struct Written {
    std::string section, name, value;
    bool ifMissing = false;
  };
  void Load();
  Stamp StampNow() const;
  QString path_;
  Stamp loaded_;
  std::vector<Written> written_;
  IniFile ini_;
  std::string oldText_;      // the file as read, for the copy kept when it had errors
  bool unreadable_ = false;  // the file exists but could not be read
  bool hadErrors_ = false;   // some lines were left out, or the file could not be read
  std::string firstWritten_;
};

// The folder that holds the chord dictionary when no InstallDir is stored:
// $XDG_DATA_HOME/Strumbly, created when missing.
QString DefaultInstallDir();

}  // namespace strumbly
