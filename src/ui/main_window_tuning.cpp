// The Tuning menu and the current tuning.
#include "ui/main_window.h"

namespace strumbly {

void TfrmMain::BuildTuningMenu() {}
void TfrmMain::ApplyTuning(std::int32_t tag) { CurrentTuningTag = tag; }
void TfrmMain::BuildCustomTuningCaption(std::int32_t) {}
void TfrmMain::TuningMenuClicked(QAction*) { Modified = true; }

}  // namespace strumbly
