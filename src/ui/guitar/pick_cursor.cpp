#include "ui/guitar/pick_cursor.h"

#include <QGuiApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <cmath>

namespace strumbly {

namespace {
// A pick seen from above: a rounded triangle, its tip at the top left corner
// and its broad edge towards the bottom right.
QPainterPath PickOutline() {
  QPainterPath path;
  path.moveTo(1.5, 1.5);
  path.quadTo(16, 3.5, 26.5, 8.5);
  path.cubicTo(30, 10.5, 30.5, 14, 29.5, 17);
  path.cubicTo(27, 25, 25, 27, 17, 29.5);
  path.cubicTo(14, 30.5, 10.5, 30, 8.5, 26.5);
  path.quadTo(3.5, 16, 1.5, 1.5);
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
  p.drawEllipse(QPointF(19, 19), 4.5, 3.0);
  p.drawEllipse(QPointF(24.5, 14.5), 2.2, 1.6);
  p.drawEllipse(QPointF(13.5, 24), 1.8, 2.4);
  p.setBrush(QColor(255, 255, 255, 120));
  p.drawEllipse(QPointF(9.5, 7.5), 3.0, 1.2);
  return pixmap;
}

QCursor PickCursor() {
  const qreal dpr = qApp ? qApp->devicePixelRatio() : 1.0;
  return QCursor(PickPixmap(dpr), 2, 2);
}

}  // namespace strumbly
