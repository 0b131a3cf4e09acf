#include "ui/guitar/neck_marker.h"

#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

namespace strumbly {

QColor ColorFromValue(std::uint32_t value) {
  return QColor(static_cast<int>(value & 0xFF), static_cast<int>((value >> 8) & 0xFF),
                static_cast<int>((value >> 16) & 0xFF));
}

std::uint32_t ValueFromColor(const QColor& color) {
  return static_cast<std::uint32_t>(color.red()) | (static_cast<std::uint32_t>(color.green()) << 8) |
         (static_cast<std::uint32_t>(color.blue()) << 16);
}

NeckMarker::NeckMarker(int stringNumber, int fret, QWidget* parent)
    : QWidget(parent), string_(stringNumber), fret_(fret) {
  setObjectName(QString::asprintf("DOT_s%02d_f%02d", stringNumber, fret));
}

void NeckMarker::SetFilled(bool filled) {
  if (filled_ == filled) return;
  filled_ = filled;
  update();
}

void NeckMarker::SetColorValue(std::uint32_t value) {
  if (color_ == value) return;
  color_ = value;
  if (filled_) update();
}

void NeckMarker::SetShape(int shape) {
  if (shape_ == shape) return;
  shape_ = shape;
  if (filled_) update();
}

QRectF NeckMarker::ShapeRect() const {
  const QRectF all(0, 0, width(), height());
  if (shape_ != kShapeSquare && shape_ != kShapeRoundSquare && shape_ != kShapeCircle) return all;
  const qreal side = std::min(all.width(), all.height());
  return QRectF(all.center().x() - side / 2, all.center().y() - side / 2, side, side);
}

void NeckMarker::paintEvent(QPaintEvent*) {
  if (!filled_) return;
  QPainter p(this);
  p.setPen(Qt::NoPen);
  p.setBrush(ColorFromValue(color_));
  const QRectF r = ShapeRect();
  if (shape_ == kShapeEllipse || shape_ == kShapeCircle) {
    p.setRenderHint(QPainter::Antialiasing);
    p.drawEllipse(r);
  } else if (shape_ == kShapeRoundRect || shape_ == kShapeRoundSquare) {
    p.setRenderHint(QPainter::Antialiasing);
    const qreal radius = std::min(r.width(), r.height()) / 4;
    p.drawRoundedRect(r, radius, radius);
  } else {
    p.drawRect(r);
  }
}

void NeckMarker::mousePressEvent(QMouseEvent* event) {
  emit pressed(this, event->button());
  event->accept();
}

void NeckMarker::mouseReleaseEvent(QMouseEvent* event) {
  emit released(this, event->button());
  event->accept();
}

}  // namespace strumbly
