// Playing the song: play options, loop, stepping, previews.
#include "ui/main_window.h"

namespace strumbly {

void TfrmMain::PreviewChord(const std::array<std::uint8_t, 6>&) {}
void TfrmMain::PlayOrStop() {}
void TfrmMain::StepForward() {}
void TfrmMain::StepBack() {}
void TfrmMain::SetPlayingState(bool) {}

}  // namespace strumbly
