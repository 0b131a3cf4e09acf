// The chord editing commands of the edit buttons and the neck.
#include "ui/main_window.h"

namespace strumbly {

void TfrmMain::SetStringFret(int, int, int) {}
void TfrmMain::InsertTemplateLine(const QString&) {}
void TfrmMain::FillBlankLine(int) {}

}  // namespace strumbly
