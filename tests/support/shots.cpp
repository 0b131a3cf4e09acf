#include "support/shots.h"

#include <QDir>
#include <QWidget>
#include <cmath>

namespace strumbly::test {

QPixmap RenderAt(QWidget& widget, qreal dpr) {
  QPixmap picture(
      QSize(static_cast<int>(std::ceil(widget.width() * dpr)), static_cast<int>(std::ceil(widget.height() * dpr))));
  picture.setDevicePixelRatio(dpr);
  picture.fill(Qt::transparent);
  widget.render(&picture);
  return picture;
}

QString SaveShot(const QPixmap& picture, const QString& name) {
  const QString dir = qEnvironmentVariable("STRUMBLY_SHOTS_DIR");
  if (dir.isEmpty()) return {};
  QDir().mkpath(dir);
  const QString path = dir + "/" + name + ".png";
  return picture.save(path) ? path : QString();
}

}  // namespace strumbly::test
