#include "ui/chordsheet/note_pictures.h"

#include <QGuiApplication>
#include <QIconEngine>
#include <QPaintDevice>
#include <QPainter>
#include <QPainterPath>
#include <QPalette>
#include <QTransform>
#include <algorithm>
#include <array>
#include <cmath>
#include <utility>

namespace strumbly {

namespace {

// Notes are designed in a box of 16 x 28 units and scaled to the picture.
constexpr qreal kBoxW = 16;
constexpr qreal kBoxH = 28;
constexpr qreal kHeadX = 6.0;
constexpr qreal kHeadY = 23.0;
constexpr qreal kStemX = 9.6;  // right edge of the head, where the stem rises

QPixmap BlankPixmap(QSize size, qreal dpr) {
  QPixmap pixmap(
      QSize(static_cast<int>(std::ceil(size.width() * dpr)), static_cast<int>(std::ceil(size.height() * dpr))));
  pixmap.setDevicePixelRatio(dpr);
  pixmap.fill(Qt::transparent);
  return pixmap;
}

QPainterPath Ellipse(QPointF centre, qreal rx, qreal ry, qreal degrees) {
  QPainterPath e;
  e.addEllipse(QPointF(0, 0), rx, ry);
  QTransform t;
  t.translate(centre.x(), centre.y());
  t.rotate(degrees);
  return t.map(e);
}

QPainterPath NoteHead(NoteValue value) {
  const QPointF c(kHeadX, kHeadY);
  if (value == NoteValue::Whole) {
    // Broad head whose hole leans the other way.
    QPainterPath head = Ellipse(c, 5.4, 3.6, 0);
    head.addPath(Ellipse(c, 2.0, 3.0, 35));
    head.setFillRule(Qt::OddEvenFill);
    return head;
  }
  QPainterPath head = Ellipse(c, 4.2, 3.0, -22);
  if (value == NoteValue::Half) {
    head.addPath(Ellipse(c, 3.3, 1.4, -32));
    head.setFillRule(Qt::OddEvenFill);
  }
  return head;
}

QPainterPath Flag(qreal top) {
  QPainterPath flag;
  flag.moveTo(kStemX, top);
  flag.cubicTo(kStemX + 0.6, top + 3.0, kStemX + 6.2, top + 4.2, kStemX + 4.4, top + 9.0);
  flag.cubicTo(kStemX + 4.6, top + 5.8, kStemX + 1.8, top + 4.6, kStemX, top + 3.6);
  flag.closeSubpath();
  return flag;
}

}  // namespace

int NoteFlagCount(NoteValue value) {
  switch (value) {
    case NoteValue::Eighth:
      return 1;
    case NoteValue::Sixteenth:
      return 2;
    case NoteValue::ThirtySecond:
      return 3;
    case NoteValue::SixtyFourth:
      return 4;
    default:
      return 0;
  }
}

QPixmap NotePixmap(NoteValue value, QSize size, qreal dpr, const QColor& ink) {
  QPixmap pixmap = BlankPixmap(size, dpr);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  const qreal scale = std::min(size.width() / kBoxW, size.height() / kBoxH);
  p.translate((size.width() - kBoxW * scale) / 2, (size.height() - kBoxH * scale) / 2);
  p.scale(scale, scale);
  p.setPen(Qt::NoPen);
  p.setBrush(ink);
  p.drawPath(NoteHead(value));
  if (value != NoteValue::Whole) {
    const int flags = NoteFlagCount(value);
    const qreal stemTop = flags > 2 ? 1.0 : 3.0;
    p.drawRect(QRectF(kStemX - 1.2, stemTop, 1.2, kHeadY - 0.6 - stemTop));
    const qreal step = flags > 2 ? 3.4 : 4.2;
    for (int i = 0; i < flags; ++i) p.drawPath(Flag(stemTop + step * i));
  }
  return pixmap;
}

namespace {

// Draws its picture on demand and keeps the last drawing of each mode, which
// is drawn again when the size, the pixel ratio or the palette changed.
class InkIconEngine : public QIconEngine {
 public:
  explicit InkIconEngine(InkPicture picture) : picture_(std::move(picture)) {}
  QIconEngine* clone() const override { return new InkIconEngine(picture_); }
  QString key() const override { return QStringLiteral("strumbly.ink"); }

  void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State) override {
    const qreal dpr = painter->device() ? painter->device()->devicePixelRatio() : 1.0;
    painter->drawPixmap(rect, Drawing(rect.size(), dpr, mode));
  }
  // Asked for in device pixels; the icon gives the drawing its pixel ratio.
  QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State) override { return Drawing(size, 1.0, mode); }

 private:
  struct Kept {
    QPixmap pixmap;
    QSize size;
    QColor ink;
  };
  QPixmap Drawing(QSize size, qreal dpr, QIcon::Mode mode) {
    const QColor ink = IconInk(mode);
    Kept& kept = kept_[static_cast<std::size_t>(mode) % kept_.size()];
    if (kept.pixmap.isNull() || kept.size != size || kept.pixmap.devicePixelRatio() != dpr || kept.ink != ink)
      kept = {picture_(size, dpr, ink), size, ink};
    return kept.pixmap;
  }
  InkPicture picture_;
  std::array<Kept, 4> kept_;
};

}  // namespace

QColor IconInk(QIcon::Mode mode) {
  return QGuiApplication::palette().color(mode == QIcon::Disabled ? QPalette::Disabled : QPalette::Active,
                                          QPalette::ButtonText);
}

QIcon InkIcon(InkPicture picture) { return QIcon(new InkIconEngine(std::move(picture))); }

QIcon NoteIcon(NoteValue value, QSize) {
  return InkIcon([value](QSize s, qreal dpr, const QColor& ink) { return NotePixmap(value, s, dpr, ink); });
}

QPixmap ArrowPixmap(ArrowDirection direction, QSize size, qreal dpr, const QColor& ink) {
  QPixmap pixmap = BlankPixmap(size, dpr);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  const qreal w = size.width(), h = size.height();
  const qreal mid = h / 2;
  const qreal head = std::min(w * 0.5, h * 0.55);
  QPainterPath arrow;
  // Pointing right; mirrored below for the left arrow.
  arrow.moveTo(1, mid - h * 0.14);
  arrow.lineTo(w - 1 - head, mid - h * 0.14);
  arrow.lineTo(w - 1 - head, mid - h * 0.42);
  arrow.lineTo(w - 1, mid);
  arrow.lineTo(w - 1 - head, mid + h * 0.42);
  arrow.lineTo(w - 1 - head, mid + h * 0.14);
  arrow.lineTo(1, mid + h * 0.14);
  arrow.closeSubpath();
  if (direction == ArrowDirection::Left) arrow = QTransform(-1, 0, 0, 1, w, 0).map(arrow);
  p.setPen(Qt::NoPen);
  p.setBrush(ink);
  p.drawPath(arrow);
  return pixmap;
}

QIcon ArrowIcon(ArrowDirection direction, QSize) {
  return InkIcon([direction](QSize s, qreal dpr, const QColor& ink) { return ArrowPixmap(direction, s, dpr, ink); });
}

}  // namespace strumbly
