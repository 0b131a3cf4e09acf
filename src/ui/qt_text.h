#pragma once
// Conversions between Qt's texts and the core's UTF-8 strings.
#include <QString>
#include <QStringList>
#include <string>
#include <string_view>
#include <vector>

namespace strumbly {

inline QString Q(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }
inline std::string S(const QString& s) { return s.toStdString(); }

inline std::vector<std::string> ToStdStrings(const QStringList& list) {
  std::vector<std::string> out;
  out.reserve(static_cast<std::size_t>(list.size()));
  for (const QString& s : list) out.push_back(s.toStdString());
  return out;
}

inline QStringList ToQStrings(const std::vector<std::string>& list) {
  QStringList out;
  out.reserve(static_cast<qsizetype>(list.size()));
  for (const auto& s : list) out << QString::fromStdString(s);
  return out;
}

}  // namespace strumbly
