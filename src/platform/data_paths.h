#pragma once
// Where the program's installed data lives: <exe dir>/../share/strumbly once
// installed, <exe dir>/../resources when run from a build folder inside the
// source tree.
#include <QString>
#include <QStringList>

namespace strumbly {

// The folders to search for data, in order, for a program in exeDir.
QStringList DataFolders(const QString& exeDir);
// The same for the running program.
QStringList DataFolders();

// The first existing file at relativePath ("dictionary/CHORDS.DCT") in the
// data folders; empty when there is none.
QString FindDataFile(const QString& relativePath, const QString& exeDir);
QString FindDataFile(const QString& relativePath);

}  // namespace strumbly
