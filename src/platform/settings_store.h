#pragma once
// The per-user settings store: an INI file at the standard per-user
// configuration place ($XDG_CONFIG_HOME/Strumbly/Strumbly.conf).
#include <QSettings>
#include <QString>
#include <memory>

#include "core/app/settings.h"

namespace strumbly {

class IniSettingsStore : public SettingsStore {
 public:
  IniSettingsStore();  // the user's own file
  explicit IniSettingsStore(const QString& path);
  std::optional<std::string> Read(const std::string& section, const std::string& name) override;
  void Write(const std::string& section, const std::string& name, const std::string& value) override;
  void Commit() override;
  QString path() const { return settings_->fileName(); }
  // Throws when the file exists but cannot be read.
  void CheckReadable() const;

 private:
  QString KeyFor(const QString& section, const QString& name) const;
  std::unique_ptr<QSettings> settings_;
  std::string firstWritten_;
};

// The folder that holds the chord dictionary when no InstallDir is stored:
// $XDG_DATA_HOME/Strumbly, created when missing.
QString DefaultInstallDir();

}  // namespace strumbly
