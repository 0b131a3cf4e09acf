#include "ui/app/pictures.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>

#include "ui/chordsheet/note_pictures.h"

namespace strumbly {

namespace {

QPixmap Canvas(QSize size, qreal dpr) {
  QPixmap pm(size * dpr);
  pm.setDevicePixelRatio(dpr);
  pm.fill(Qt::transparent);
  return pm;
}

QPainterPath PickPath(const QRectF& r) {
  // A rounded triangle: wide shoulders, soft point at the bottom.
  QPainterPath p;
  const qreal w = r.width(), h = r.height(), x = r.x(), y = r.y();
  p.moveTo(x + w * 0.5, y + h);
  p.cubicTo(x + w * 0.15, y + h * 0.78, x - w * 0.02, y + h * 0.35, x + w * 0.08, y + h * 0.12);
  p.cubicTo(x + w * 0.2, y - h * 0.04, x + w * 0.8, y - h * 0.04, x + w * 0.92, y + h * 0.12);
  p.cubicTo(x + w * 1.02, y + h * 0.35, x + w * 0.85, y + h * 0.78, x + w * 0.5, y + h);
  p.closeSubpath();
  return p;
}

void DrawPick(QPainter& p, const QRectF& r) {
  QRadialGradient g(r.center() - QPointF(r.width() * 0.15, r.height() * 0.2), r.width() * 0.8);
  g.setColorAt(0, QColor(255, 196, 92));
  g.setColorAt(0.6, QColor(226, 120, 28));
  g.setColorAt(1, QColor(150, 62, 12));
  p.setPen(QPen(QColor(90, 40, 10), std::max(1.0, r.width() / 60)));
  p.setBrush(g);
  p.drawPath(PickPath(r));
}

}  // namespace

QPixmap SplashPicture(qreal dpr) {
  const QSize size(480, 300);
  QPixmap pm = Canvas(size, dpr);
  QPainter p(&pm);
  p.setRenderHint(QPainter::Antialiasing);

  QLinearGradient bg(0, 0, 0, size.height());
  bg.setColorAt(0, QColor(40, 24, 14));
  bg.setColorAt(1, QColor(16, 10, 6));
  p.fillRect(QRect(QPoint(0, 0), size), bg);

  // A fretboard running across the lower half.
  const QRectF board(0, 170, size.width(), 96);
  QLinearGradient wood(0, board.top(), 0, board.bottom());
  wood.setColorAt(0, QColor(92, 52, 28));
  wood.setColorAt(0.5, QColor(120, 70, 38));
  wood.setColorAt(1, QColor(80, 44, 22));
  p.fillRect(board, wood);
  for (int n = 1; n <= 8; ++n) {
    const qreal x = 40 + 520 * (1 - std::pow(2.0, -n / 12.0)) * 1.4;
    p.fillRect(QRectF(x, board.top(), 3, board.height()), QColor(205, 205, 210));
  }
  p.setBrush(QColor(236, 230, 214));
  p.setPen(Qt::NoPen);
  for (qreal x : {150.0, 258.0, 352.0}) p.drawEllipse(QPointF(x, board.center().y()), 6, 6);
  for (int s = 0; s < 6; ++s) {
    const qreal y = board.top() + 10 + s * 15.2;
    p.setPen(QPen(QColor(220, 214, 196), 0.8 + s * 0.35));
    p.drawLine(QPointF(0, y), QPointF(size.width(), y));
  }
  p.fillRect(QRectF(34, board.top(), 7, board.height()), QColor(238, 232, 212));

  DrawPick(p, QRectF(360, 24, 92, 104));

  p.setPen(QColor(250, 236, 210));
  QFont title("DejaVu Serif", 44, QFont::Bold);
  p.setFont(title);
  p.drawText(QRectF(28, 30, 330, 70), Qt::AlignLeft | Qt::AlignVCenter, "Strumbly");
  QFont sub("DejaVu Sans", 12);
  p.setFont(sub);
  p.setPen(QColor(226, 200, 160));
  p.drawText(QRectF(32, 100, 330, 24), Qt::AlignLeft | Qt::AlignVCenter, "Write, hear and print guitar chords");
  p.setFont(QFont("DejaVu Sans", 9));
  p.drawText(QRectF(32, 276, 416, 18), Qt::AlignRight | Qt::AlignVCenter, "Version 1.0");
  return pm;
}

QPixmap PickPicture(int size, qreal dpr) {
  QPixmap pm = Canvas(QSize(size, size), dpr);
  QPainter p(&pm);
  p.setRenderHint(QPainter::Antialiasing);
  for (int s = 0; s < 6; ++s) {
    const qreal y = size * (0.2 + s * 0.12);
    p.setPen(QPen(QColor(150, 140, 120), 0.6 + s * 0.3));
    p.drawLine(QPointF(0, y), QPointF(size, y));
  }
  DrawPick(p, QRectF(size * 0.18, size * 0.1, size * 0.64, size * 0.78));
  p.setPen(QColor(255, 246, 226));
  p.setFont(QFont("DejaVu Serif", std::max(6, size / 4), QFont::Bold));
  p.drawText(QRectF(size * 0.18, size * 0.12, size * 0.64, size * 0.56), Qt::AlignCenter, "S");
  return pm;
}

QPixmap StepPixmap(bool forward, QSize size, qreal dpr, const QColor& ink) {
  QPixmap pm = Canvas(size, dpr);
  QPainter p(&pm);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(Qt::NoPen);
  p.setBrush(ink);
  // Two triangles side by side, touching, in the middle of the picture.
  const qreal h = std::min<qreal>(size.height() * 0.7, size.width() * 0.45);
  const qreal w = h * 0.8;
  const qreal top = (size.height() - h) / 2;
  const qreal left = (size.width() - 2 * w) / 2;
  for (int i = 0; i < 2; ++i) {
    const qreal x0 = left + i * w;
    QPainterPath t;
    if (forward) {
      t.moveTo(x0, top);
      t.lineTo(x0 + w, top + h / 2);
      t.lineTo(x0, top + h);
    } else {
      t.moveTo(x0 + w, top);
      t.lineTo(x0, top + h / 2);
      t.lineTo(x0 + w, top + h);
    }
    t.closeSubpath();
    p.drawPath(t);
  }
  return pm;
}

QIcon StepIcon(bool forward) {
  return InkIcon([forward](QSize s, qreal dpr, const QColor& ink) { return StepPixmap(forward, s, dpr, ink); });
}

}  // namespace strumbly
