#include "platform/file_association.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSaveFile>
#include <QStandardPaths>

#include "platform/command_error.h"

namespace strumbly {

namespace {

QString EnvironmentFolder(const char* variable, const QString& fallbackUnderHome) {
  const QString value = qEnvironmentVariable(variable);
  // A relative XDG folder is not used; the default under home is.
  if (!value.isEmpty() && QDir::isAbsolutePath(value)) return QDir::cleanPath(value);
  return QDir::homePath() + "/" + fallbackUnderHome;
}

void MakeFolder(const QString& folder) {
  if (!QDir().mkpath(folder)) throw CommandError(QString("Failed to create key %1").arg(folder));
}

QByteArray ReadExisting(const QString& path) {
  QFile file(path);
  if (!file.exists()) return {};
  if (!file.open(QIODevice::ReadOnly)) throw CommandError(QString("Failed to set data for '%1'").arg(path));
  return file.readAll();
}

// True when the file had to be written.
bool WriteIfChanged(const QString& path, const QByteArray& bytes) {
  QFileInfo info(path);
  if (info.isFile()) {
    QFile file(path);
    if (file.open(QIODevice::ReadOnly) && file.readAll() == bytes) return false;
  }
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
    throw CommandError(QString("Failed to set data for '%1'").arg(path));
  return true;
}

// Runs a cache program on a folder when it is installed; it may take a few
// seconds at most. A program that fails leaves the folder's cache stale,
// which is reported against the folder.
void UpdateCache(const char* program, const QString& folder) {
  const QString path = QStandardPaths::findExecutable(program);
  if (path.isEmpty()) return;
  QProcess process;
  process.setProcessChannelMode(QProcess::MergedChannels);
  process.start(path, {folder});
  const bool finished =
      process.waitForStarted(kCacheUpdateSeconds * 1000) && process.waitForFinished(kCacheUpdateSeconds * 1000);
  if (!finished) {
    process.kill();
    process.waitForFinished(1000);
  }
  if (!finished || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
    throw CommandError(QString("Failed to set data for '%1'").arg(folder));
}

QByteArray Bytes(const std::string& text) { return QByteArray::fromStdString(text); }

}  // namespace

AssociationFolders UserAssociationFolders() {
  return {EnvironmentFolder("XDG_DATA_HOME", ".local/share"), EnvironmentFolder("XDG_CONFIG_HOME", ".config")};
}

bool WriteFileAssociation(const FileTypeInfo& type, const AssociationFolders& folders, const AssociationFiles& files) {
  if (NormalizeExtension(type.extension).empty() || type.programPath.empty()) return false;

  const QString mimeFolder = folders.dataHome + "/mime";
  MakeFolder(mimeFolder + "/packages");
  const bool typeChanged = WriteIfChanged(mimeFolder + "/packages/" + files.packageName, Bytes(MimePackageText(type)));

  const QString applications = folders.dataHome + "/applications";
  MakeFolder(applications);
  const bool entryChanged = WriteIfChanged(applications + "/" + files.desktopName, Bytes(DesktopEntryText(type)));

  MakeFolder(folders.configHome);
  const QString mimeapps = folders.configHome + "/mimeapps.list";
  const std::string list = ReadExisting(mimeapps).toStdString();
  WriteIfChanged(mimeapps, Bytes(WithDefaultApplication(list, type.mimeType, files.desktopName.toStdString())));

  if (typeChanged || !QFileInfo::exists(mimeFolder + "/mime.cache")) UpdateCache("update-mime-database", mimeFolder);
  if (entryChanged) UpdateCache("update-desktop-database", applications);
  return true;
}

void AssociateSongFiles(const QString& programPath) {
  const QString program = programPath.isEmpty() ? QCoreApplication::applicationFilePath() : programPath;
  WriteFileAssociation(SongFileType(program.toStdString()), UserAssociationFolders());
}

}  // namespace strumbly
