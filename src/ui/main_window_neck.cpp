// The neck view of the main window.
#include <QFrame>
#include <QLabel>

#include "ui/main_window.h"

namespace strumbly {

void TfrmMain::BuildNeck() {
  auto* frame = new QFrame(centralWidget());
  frame->setObjectName("shpNeckRect");
  frame->setGeometry(3, 16, 488, 164);
  frame->setStyleSheet("background: black;");
  neckHost = frame;
  lblChordName = new QLabel(frame);
  lblChordName->setObjectName("lblChordName");
  lblChordName->setGeometry(2, 4, 484, 18);
  lblChordName->setAlignment(Qt::AlignHCenter);
  lblChordName->setStyleSheet("color: white; background: transparent;");
  lblFretNumbers = new QLabel(frame);
  lblFretNumbers->setObjectName("lblFretNumbers");
  lblFretNumbers->setGeometry(2, 142, 484, 16);
  lblFretNumbers->setStyleSheet("color: white; background: transparent;");
}

void TfrmMain::ShowStringMarker(int, int) {}
void TfrmMain::ShowChordOnNeck(const std::array<std::int32_t, 6>&) {}

void TfrmMain::ApplyNeckSettings() {
  lblChordName->setVisible(settings.ShowChordName);
  lblFretNumbers->setVisible(settings.ShowFretNumbers);
}

}  // namespace strumbly
