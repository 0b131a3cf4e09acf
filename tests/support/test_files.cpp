#include "support/test_files.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "platform/command_error.h"

namespace strumbly::test {

std::string ReadFileBytes(const QString& path) {
  QFile f(path);
  if (!f.open(QIODevice::ReadOnly)) return "<missing>";
  return f.readAll().toStdString();
}

void WriteFileBytes(const QString& path, const std::string& bytes) {
  QDir().mkpath(QFileInfo(path).absolutePath());
  QFile f(path);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate)) << path.toStdString();
  ASSERT_EQ(f.write(bytes.data(), static_cast<qint64>(bytes.size())), static_cast<qint64>(bytes.size()));
}

QString ReadText(const QString& path) {
  QFile f(path);
  if (!f.open(QIODevice::ReadOnly)) return "<missing>";
  return QString::fromUtf8(f.readAll());
}

void WriteFile(const QString& path, const QByteArray& bytes) {
  QDir().mkpath(QFileInfo(path).path());
  QFile f(path);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate)) << path.toStdString();
  f.write(bytes);
}

QString WriteSongFile(const QString& path, const QByteArray& chordLine) {
  WriteFile(path, "*Info 1:\r\n*Info 2:25\r\n*Info 3:555555\r\n*Info 4:120\r\n" + chordLine + "\r\n");
  return path;
}

QString CommandErrorOf(const std::function<void()>& f) {
  try {
    f();
  } catch (const CommandError& e) {
    return e.text();
  }
  return {};
}

}  // namespace strumbly::test
