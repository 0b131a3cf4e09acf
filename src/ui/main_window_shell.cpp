// The main window's shell commands: print, about, help.
#include <QFileInfo>
#include <QFontDatabase>
#include <QPrinter>
#include <QTextDocument>

#include "platform/dialogs.h"
#include "ui/about_box.h"
#include "ui/help_window.h"
#include "ui/main_window.h"

namespace strumbly {

void TfrmMain::Print1Click() {
  QPrinter printer(QPrinter::HighResolution);
  printer.setDocName(QFileInfo(CurrentFileName).fileName());
  if (!dialogs().Print(this, printer)) return;
  QTextDocument document;
  document.setDefaultFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  document.setPlainText(RichEdit1->toPlainText());
  document.print(&printer);
}

void TfrmMain::About1Click() {
  if (!frmAbout) return;
  StatusHintsEnabled = false;
  dialogs().Exec(*frmAbout);
  StatusHintsEnabled = true;
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
