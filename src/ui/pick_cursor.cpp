#include "ui/pick_cursor.h"

#include <QGuiApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <cmath>

namespace strumbly {

namespace {
// A pick seen from above, its tip at the top left corner and its broad round
// shoulder towards the bottom right.
QPainterPath PickOutline() {
  QPainterPath path;
  path.moveTo(1.5, 1.5);
  path.quadTo(15, 4.5, 25.5, 11.5);
  path.cubicTo(31.5, 16.5, 30.5, 24.5, 27.5, 27.5);
  path.cubicTo(24.5, 30.5, 16.5, 31.5, 11.5, 25.5);
  path.quadTo(4.5, 15, 1.5, 1.5);
  path.closeSubpath();
  return path;
}
}  // namespace

QPixmap PickPixmap(qreal dpr) {
  const int side = static_cast<int>(std::ceil(kPickCursorSize * dpr));
  QPixmap pixmap(side, side);
  pixmap.setDevicePixelRatio(dpr);
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  const QPainterPath outline = PickOutline();
  // Tortoiseshell celluloid.
  QLinearGradient shell(2, 2, 30, 30);
  shell.setColorAt(0.0, QColor(250, 196, 92));
  shell.setColorAt(0.35, QColor(214, 120, 34));
  shell.setColorAt(0.6, QColor(150, 62, 18));
  shell.setColorAt(1.0, QColor(96, 36, 10));
  p.setPen(QPen(Qt::white, 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.drawPath(outline);
  p.setPen(QPen(QColor(40, 16, 4), 1.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.setBrush(shell);
  p.drawPath(outline);
  // Darker mottles and a glint make it read as a pick.
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(70, 24, 6, 110));
  p.drawEllipse(QPointF(18, 19), 4.5, 3.0);
  p.drawEllipse(QPointF(23, 14.5), 2.2, 1.6);
  p.drawEllipse(QPointF(13, 22.5), 1.8, 2.4);
  p.setBrush(QColor(255, 255, 255, 120));
  p.drawEllipse(QPointF(9.5, 7.5), 3.0, 1.2);
  return pixmap;
}

QCursor PickCursor() {
  const qreal dpr = qApp ? qApp->devicePixelRatio() : 1.0;
  return QCursor(PickPixmap(dpr), 2, 2);
}

}  // namespace strumbly
