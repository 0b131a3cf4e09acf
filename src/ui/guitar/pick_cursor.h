#pragma once
// The mouse cursor over the neck: a guitar pick whose tip is the hot spot.
#include <QCursor>
#include <QPixmap>

namespace strumbly {

inline constexpr int kPickCursorSize = 32;

// The pick drawn at the given device pixel ratio (32 x 32 logical pixels).
QPixmap PickPixmap(qreal dpr);

// The cursor for the screen's pixel ratio of the running application.
QCursor PickCursor();

}  // namespace strumbly
