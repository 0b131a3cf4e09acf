#pragma once
// Screenshots from the Qt tests: written only when STRUMBLY_SHOTS_DIR names a
// folder, so ordinary test runs leave no files behind.
#include <QPixmap>
#include <QString>

class QWidget;

namespace strumbly::test {

// The widget rendered at the given device pixel ratio.
QPixmap RenderAt(QWidget& widget, qreal dpr);

// Saves the picture as <dir>/<name>.png when the folder is set; returns the
// path written or an empty text.
QString SaveShot(const QPixmap& picture, const QString& name);

}  // namespace strumbly::test
