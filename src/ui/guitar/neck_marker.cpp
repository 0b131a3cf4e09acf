#include "ui/guitar/neck_marker.h"

#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

#include "core/guitar/neck_geometry.h"

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

void NeckMarker::SetMuted(bool muted) {
  if (muted_ == muted) return;
  muted_ = muted;
  if (fret_ == 0) update();
}

namespace {
// Shapes with straight edges keep two pixels of the neck between strings;
// round ones, which meet their neighbours in a point only, one.
constexpr qreal kStraightBand = kMarkerRowStep - 2;
constexpr qreal kRoundBand = kMarkerRowStep - 1;
// Rectangles keep clear of the fret wires on both sides.
constexpr qreal kRectangleInset = 2;

// The ring and the cross left of the nut, with a dark edge so they stand out
// on the wood and on the strings alike.
constexpr qreal kNutMarkRadius = 3.6;
constexpr qreal kNutMarkPen = 1.7;
const QColor kNutMarkEdge(24, 12, 6, 200);
const QColor kCrossInk(244, 236, 218);
}  // namespace

void NeckMarker::SetScale(qreal scale) {
  if (scale_ == scale) return;
  scale_ = scale;
  update();
}

QRectF NeckMarker::ShapeRect() const {
  const QRectF all(0, 0, width() / scale_, height() / scale_);
  const bool round =
      shape_ == kShapeEllipse || shape_ == kShapeCircle || shape_ == kShapeRoundRect || shape_ == kShapeRoundSquare;
  const qreal band = std::min(all.height(), round ? kRoundBand : kStraightBand);
  const qreal top = all.center().y() - band / 2;
  if (shape_ != kShapeSquare && shape_ != kShapeRoundSquare && shape_ != kShapeCircle) {
    const qreal inset = shape_ == kShapeEllipse ? 0 : std::min(kRectangleInset, all.width() / 4);
    return QRectF(inset, top, all.width() - 2 * inset, band);
  }
  const qreal side = std::min(all.width(), band);
  return QRectF(all.center().x() - side / 2, top, side, side);
}

QPointF NeckMarker::NutMarkCentre() const {
  // In the open-string area, clear of the nut.
  const qreal w = width() / scale_;
  return {std::min(w / 2.0, kNutLeft / 2 - x() / scale_), height() / scale_ / 2.0};
}

void NeckMarker::paintEvent(QPaintEvent*) {
  if (fret_ == 0) {
    if (!filled_ && !muted_) return;
    QPainter p(this);
    p.scale(scale_, scale_);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(Qt::NoBrush);
    const QPointF c = NutMarkCentre();
    const qreal r = kNutMarkRadius;
    for (int layer = 0; layer < 2; ++layer) {
      const QColor ink = layer == 0 ? kNutMarkEdge : filled_ ? ColorFromValue(color_) : kCrossInk;
      p.setPen(QPen(ink, layer == 0 ? kNutMarkPen + 1.6 : kNutMarkPen, Qt::SolidLine, Qt::RoundCap));
      if (filled_) {
        p.drawEllipse(c, r, r);
      } else {
        const qreal d = r * 0.85;
        p.drawLine(c + QPointF(-d, -d), c + QPointF(d, d));
        p.drawLine(c + QPointF(-d, d), c + QPointF(d, -d));
      }
    }
    return;
  }
  if (!filled_) return;
  QPainter p(this);
  p.scale(scale_, scale_);
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
