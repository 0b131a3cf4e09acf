#include "ui/fit_to_screen.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace strumbly {

QSize AvailableWindowArea(const QWidget& window) {
  const QScreen* screen = window.screen();
  if (!screen) screen = QGuiApplication::primaryScreen();
  if (!screen) return {};
  const QSize area = screen->availableGeometry().size();
  return {area.width() - kFrameAllowance / 4, area.height() - kFrameAllowance};
}

void FitToScreen(QWidget& window, QSize preferred) {
  QSize size = preferred.expandedTo(window.minimumSizeHint());
  const QSize area = AvailableWindowArea(window);
  if (area.isValid()) size = size.boundedTo(area);
  window.resize(size);
}

}  // namespace strumbly
