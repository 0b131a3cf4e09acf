#pragma once
// Files of the tests' temporary folders, read and written whole, and the
// text of the CommandError a call throws.
#include <QString>
#include <functional>
#include <string>

namespace strumbly::test {

// The file's bytes, or "<missing>" when it cannot be read.
std::string ReadFileBytes(const QString& path);
// Writes the bytes, making the folder first; fails the test when it cannot.
void WriteFileBytes(const QString& path, const std::string& bytes);
// The text of the CommandError the call throws; empty when it throws none.
QString CommandErrorOf(const std::function<void()>& call);

}  // namespace strumbly::test
