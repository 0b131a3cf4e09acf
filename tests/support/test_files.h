#pragma once
// Files in the tests' temporary folders: reading and writing them whole,
// song files with one chord line, and the text of a command's failure.
#include <QByteArray>
#include <QString>
#include <functional>
#include <string>

namespace strumbly::test {

// The file's text; "<missing>" when it cannot be read.
QString ReadText(const QString& path);
// The file's bytes, or "<missing>" when it cannot be read.
std::string ReadFileBytes(const QString& path);
// Writes the bytes, making the folder first; fails the test when it cannot.
void WriteFileBytes(const QString& path, const std::string& bytes);
// Replaces the file's bytes; the folders on the way are made.
void WriteFile(const QString& path, const QByteArray& bytes);
// A song file at path with the four info lines and one chord line; the path.
QString WriteSongFile(const QString& path, const QByteArray& chordLine);
// The text of the CommandError that f throws; empty when it throws none.
QString CommandErrorOf(const std::function<void()>& f);

}  // namespace strumbly::test
