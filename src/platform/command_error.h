#pragma once
// A failure of a file or settings operation. It ends the command that met it
// and its text is shown in one error box at the command's boundary.
#include <stdexcept>
#include <string>

#include <QString>

namespace strumbly {

class CommandError : public std::runtime_error {
 public:
  explicit CommandError(const QString& text) : std::runtime_error(text.toStdString()) {}
  QString text() const { return QString::fromStdString(what()); }
};

}  // namespace strumbly
