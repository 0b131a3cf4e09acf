#include "platform/dictionary_file.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "core/app/song_names.h"
#include "platform/command_error.h"
#include "platform/data_paths.h"
#include "platform/song_io.h"

namespace strumbly {

namespace {

std::optional<DictionaryEntries> ReadResource(const QString& name) {
  QFile file(name);
  if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
  const QByteArray bytes = file.readAll();
  return ParseDictionaryText(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

}  // namespace

QString DictionaryFileName(const QString& installDir) { return installDir + "/" + kDictionaryFileName; }

std::optional<DictionaryEntries> ReadDictionaryFile(const QString& path) {
  // A link that leads nowhere is no file either.
  if (!QFileInfo::exists(path)) return std::nullopt;
  return ParseDictionaryText(ReadSongFile(path));
}

namespace {
// True when the file already reads as these entries, whatever its line ends
// or its encoding: writing it again would change nothing the user sees.
bool FileHolds(const QString& path, const DictionaryEntries& entries) {
  try {
    const std::optional<DictionaryEntries> onDisk = ReadDictionaryFile(path);
    return onDisk && *onDisk == entries;
  } catch (const CommandError&) {
    return false;
  }
}
}  // namespace

void WriteDictionaryFile(const QString& path, const DictionaryEntries& entries) {
  if (FileHolds(path, entries)) return;
  try {
    const QString folder = QFileInfo(path).absolutePath();
    if (!QDir().mkpath(folder)) throw CommandError(QString());
    WriteFileSafely(path, FormatDictionaryText(entries));
  } catch (const CommandError&) {
    throw CommandError("Cannot create file " + path);
  }
}

DictionaryEntries DefaultDictionary(const QString& exeDir) {
  const QString installed = FindDataFile(kDefaultDictionaryDataFile, exeDir);
  if (!installed.isEmpty()) {
    try {
      if (auto entries = ReadDictionaryFile(installed)) return *entries;
    } catch (const CommandError&) {
      // An unreadable installed copy: the compiled-in one serves.
    }
  }
  return ReadResource(kDefaultDictionaryResource).value_or(DictionaryEntries{});
}

DictionaryEntries DefaultDictionary() { return DefaultDictionary(QCoreApplication::applicationDirPath()); }

UserDictionary LoadUserDictionary(const QString& installDir, const QString& exeDir) {
  const QString path = DictionaryFileName(installDir);
  if (auto entries = ReadDictionaryFile(path)) return {std::move(*entries), false};
  UserDictionary user{DefaultDictionary(exeDir), true};
  try {
    WriteDictionaryFile(path, user.entries);
  } catch (const CommandError&) {
    user.createdFromDefault = false;
  }
  return user;
}

UserDictionary LoadUserDictionary(const QString& installDir) {
  return LoadUserDictionary(installDir, QCoreApplication::applicationDirPath());
}

}  // namespace strumbly
