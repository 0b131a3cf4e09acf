// The main window's shell commands: print, about, help.
#include <QFontDatabase>
#include <QPrinter>
#include <QTextDocument>

#include "core/app/song_names.h"
#include "platform/command_error.h"
#include "platform/dialogs.h"
#include "platform/printing/tab_printer.h"
#include "ui/app/about_box.h"
#include "ui/app/help_window.h"
#include "ui/app/main_window.h"
#include "ui/qt_text.h"
#include "ui/status_hints_off.h"

namespace strumbly {

void TfrmMain::Print1Click() {
  QPrinter printer(QPrinter::HighResolution);
  printer.setDocName(Q(FileNameOf(song_.FileName())));
  if (!dialogs().Print(this, printer)) return;
  QTextDocument document;
  document.setDefaultFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  document.setPlainText(RichEdit1->toPlainText());
  try {
    // A PDF file is saved as every file is, and a failure is the user's to know.
    PrintPages(printer, [&document](QPagedPaintDevice& device) {
      document.print(&device);
      return true;
    });
  } catch (const CommandError& e) {
    ShowError(e.text());
  }
}

void TfrmMain::About1Click() {
  if (!frmAbout) return;
  const StatusHintsOff hintsOff([this](bool on) { statusHintsEnabled_ = on; });
  dialogs().Exec(*frmAbout);
}

void TfrmMain::ShowHelpContext(int context) {
  if (!helpWindow) helpWindow = new THelpWindow(this);
  helpWindow->ShowContext(context);
}

void TfrmMain::Contents1Click() { ShowHelpContext(1); }

void TfrmMain::Topics1Click() {
  if (!helpWindow) helpWindow = new THelpWindow(this);
  helpWindow->ShowTopics();
}

}  // namespace strumbly
