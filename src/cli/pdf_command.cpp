// strumbly-cli pdf: the graphic tablature of a song, printed to a PDF file as
// the Print button prints it.
#include <QGuiApplication>
#include <QPageSize>
#include <cstdlib>
#include <iostream>

#include "cli/conversion.h"
#include "cli/song_tablature.h"
#include "platform/printing/tab_printing.h"

namespace strumbly::cli {

int RunPdf(const Args& args) {
  Args rest;
  QPageSize pageSize(QPageSize::A4);
  bool names = false, rhythm = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--names") {
      names = true;
      continue;
    }
    if (args[i] == "--rhythm") {
      rhythm = true;
      continue;
    }
    if (args[i] != "--page-size") {
      rest.push_back(args[i]);
      continue;
    }
    const std::string size = i + 1 < args.size() ? args[++i] : std::string();
    if (size == "A4") {
      pageSize = QPageSize(QPageSize::A4);
    } else if (size == "Letter") {
      pageSize = QPageSize(QPageSize::Letter);
    } else {
      std::cerr << "strumbly-cli pdf: --page-size takes A4 or Letter\n" << UsageText();
      return kFailed;
    }
  }
  // Fonts and painting need Qt's GUI library, but no window system. Qt's
  // own chatter (a missing runtime folder and the like) is not the user's
  // business; its errors still go through.
  ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
  qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& text) {
    if (type == QtCriticalMsg || type == QtFatalMsg) std::cerr << text.toStdString() << "\n";
  });
  int argc = 1;
  char name[] = "strumbly-cli";
  char* argv[] = {name, nullptr};
  QGuiApplication app(argc, argv);

  const Conversion pdf{"pdf", ".pdf",
                       [&](const CliSong& song, const std::string& prefix) -> std::optional<std::string> {
                         const auto t = BuildSongTablature(song, prefix);
                         if (!t) return std::nullopt;
                         return TabPdfBytes(t->Drawing(names, rhythm), pageSize).toStdString();
                       }};
  return RunConversion(pdf, rest);
}

}  // namespace strumbly::cli
