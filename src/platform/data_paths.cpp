#include "platform/data_paths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace strumbly {

QStringList DataFolders(const QString& exeDir) {
  const QDir dir(exeDir);
  return {QDir::cleanPath(dir.filePath("../share/strumbly")), QDir::cleanPath(dir.filePath("../resources"))};
}

QStringList DataFolders() { return DataFolders(QCoreApplication::applicationDirPath()); }

QString FindDataFile(const QString& relativePath, const QString& exeDir) {
  for (const QString& folder : DataFolders(exeDir)) {
    const QFileInfo file(QDir(folder).filePath(relativePath));
    if (file.isFile()) return file.filePath();
  }
  return {};
}

QString FindDataFile(const QString& relativePath) {
  return FindDataFile(relativePath, QCoreApplication::applicationDirPath());
}

}  // namespace strumbly
