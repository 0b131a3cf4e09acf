#pragma once
// Window sizes that keep to the screen.
#include <QSize>

class QWidget;

namespace strumbly {

// Room a window manager's frame and title bar take around a window.
inline constexpr int kFrameAllowance = 40;

// The area a top-level window may take on the screen it opens on (or the
// primary screen), less the room of its frame.
QSize AvailableWindowArea(const QWidget& window);

// Sizes a window to `preferred`, but never below what its layout needs and
// never beyond the screen's available area.
void FitToScreen(QWidget& window, QSize preferred);

}  // namespace strumbly
