#include "platform/settings_store.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include "platform/command_error.h"

namespace strumbly {

namespace {
QString UserSettingsPath() {
  return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + "/Strumbly/Strumbly.conf";
}
}  // namespace

IniSettingsStore::IniSettingsStore() : IniSettingsStore(UserSettingsPath()) {}

IniSettingsStore::IniSettingsStore(const QString& path)
    : settings_(std::make_unique<QSettings>(path, QSettings::IniFormat)) {}

void IniSettingsStore::CheckReadable() const {
  QFileInfo info(settings_->fileName());
  if (settings_->status() != QSettings::NoError || (info.exists() && (!info.isFile() || !info.isReadable())))
    throw CommandError(QString("Cannot open file %1").arg(settings_->fileName()));
}

// Section and value names are matched without regard to letter case: the
// stored key with the same names in any case is the value.
QString IniSettingsStore::KeyFor(const QString& section, const QString& name) const {
  const QStringList groups = settings_->childGroups();
  for (const QString& g : groups) {
    if (g.compare(section, Qt::CaseInsensitive) != 0) continue;
    settings_->beginGroup(g);
    const QStringList keys = settings_->childKeys();
    settings_->endGroup();
    for (const QString& k : keys)
      if (k.compare(name, Qt::CaseInsensitive) == 0) return g + "/" + k;
  }
  return section + "/" + name;
}

std::optional<std::string> IniSettingsStore::Read(const std::string& section, const std::string& name) {
  const QString key = KeyFor(QString::fromStdString(section), QString::fromStdString(name));
  const QVariant v = settings_->value(key);
  if (!v.isValid()) return std::nullopt;
  if (v.typeId() == QMetaType::QStringList) return v.toStringList().join(',').toStdString();
  return v.toString().toStdString();
}

void IniSettingsStore::Write(const std::string& section, const std::string& name, const std::string& value) {
  const QString sec = QString::fromStdString(section);
  const QString nm = QString::fromStdString(name);
  // The value keeps one name: an old spelling in another letter case goes.
  const QString existing = KeyFor(sec, nm);
  if (existing != sec + "/" + nm) settings_->remove(existing);
  settings_->setValue(sec + "/" + nm, QString::fromStdString(value));
  if (firstWritten_.empty()) firstWritten_ = name;
}

void IniSettingsStore::Commit() {
  QDir().mkpath(QFileInfo(settings_->fileName()).absolutePath());
  settings_->sync();
  const std::string name = firstWritten_.empty() ? std::string("Options") : firstWritten_;
  firstWritten_.clear();
  if (settings_->status() != QSettings::NoError)
    throw CommandError(QString("Failed to set data for '%1'").arg(QString::fromStdString(name)));
}

QString DefaultInstallDir() {
  const QString dir = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + "/Strumbly";
  QDir().mkpath(dir);
  return dir;
}

}  // namespace strumbly
