#pragma once
// Conversions between Qt's texts and the core's UTF-8 strings, and the ways
// to show text from a song, the dictionary, the settings or a file name as
// it is, never read as markup (a chord named <img src=/dev/zero> would
// otherwise make a label read that file).
#include <QLabel>
#include <QString>
#include <QStringList>
#include <QTextDocument>
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

// A label that shows its text as it is. Set before any text: a label in
// Qt's automatic format reads markup the moment its text is set.
inline QLabel* MakePlain(QLabel* label) {
  label->setTextFormat(Qt::PlainText);
  return label;
}
inline QLabel* PlainLabel(const QString& text = {}, QWidget* parent = nullptr) {
  auto* label = MakePlain(new QLabel(parent));
  label->setText(text);
  return label;
}

// A tooltip is always searched for markup; this one shows the text as it
// is, its line breaks kept.
inline QString PlainToolTip(const QString& text) { return Qt::convertFromPlainText(text, Qt::WhiteSpaceNormal); }

// Text for a window title beside the modified mark "[*]": a "[*]" in the
// text itself stays as it is.
inline QString WindowTitleText(const QString& text) { return QString(text).replace("[*]", "[*][*]"); }

}  // namespace strumbly
