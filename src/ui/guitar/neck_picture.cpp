#include "ui/guitar/neck_picture.h"

#include <QLinearGradient>
#include <QPaintEngine>
#include <QPaintEvent>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>
#include <cstdint>

#include "core/guitar/neck_geometry.h"

namespace strumbly {

namespace {

constexpr qreal kW = kNeckPictureWidth;
constexpr qreal kH = kNeckPictureHeight;

// A small fixed-seed generator, so that the wood grain is the same on every
// run and at every pixel ratio.
class Grain {
 public:
  explicit Grain(std::uint32_t seed) : state_(seed) {}
  qreal Next() {  // 0 .. 1
    state_ = state_ * 1664525u + 1013904223u;
    return static_cast<qreal>(state_ >> 8) / static_cast<qreal>(1u << 24);
  }
  qreal Range(qreal lo, qreal hi) { return lo + (hi - lo) * Next(); }

 private:
  std::uint32_t state_;
};

qreal BoardTop(qreal x) {
  const qreal t = (x - kNutLeft) / (kW - kNutLeft);
  return kBoardTopAtNut + (kBoardTopAtEnd - kBoardTopAtNut) * t;
}
qreal BoardBottom(qreal x) {
  const qreal t = (x - kNutLeft) / (kW - kNutLeft);
  return kBoardBottomAtNut + (kBoardBottomAtEnd - kBoardBottomAtNut) * t;
}

QPainterPath BoardOutline() {
  QPainterPath path;
  path.moveTo(kNutLeft, BoardTop(kNutLeft));
  path.lineTo(kW, BoardTop(kW));
  path.lineTo(kW, BoardBottom(kW));
  path.lineTo(kNutLeft, BoardBottom(kNutLeft));
  path.closeSubpath();
  return path;
}

// The headstock widens to the left of the nut.
QPainterPath HeadstockOutline() {
  QPainterPath path;
  path.moveTo(-1, kBoardTopAtNut - 12);
  path.cubicTo(10, kBoardTopAtNut - 11, 20, kBoardTopAtNut - 4, kNutLeft + 1, kBoardTopAtNut - 1);
  path.lineTo(kNutLeft + 1, kBoardBottomAtNut + 1);
  path.cubicTo(20, kBoardBottomAtNut + 4, 10, kBoardBottomAtNut + 11, -1, kBoardBottomAtNut + 12);
  path.closeSubpath();
  return path;
}

void PaintBackground(QPainter& p) {
  QLinearGradient bg(0, 0, 0, kH);
  bg.setColorAt(0.0, QColor(34, 33, 38));
  bg.setColorAt(0.5, QColor(20, 19, 23));
  bg.setColorAt(1.0, QColor(12, 12, 14));
  p.fillRect(QRectF(0, 0, kW, kH), bg);
  // A soft shadow of the neck on the ground below it.
  QLinearGradient shadow(0, kBoardBottomAtNut, 0, kBoardBottomAtNut + 12);
  shadow.setColorAt(0.0, QColor(0, 0, 0, 150));
  shadow.setColorAt(1.0, QColor(0, 0, 0, 0));
  p.fillRect(QRectF(0, kBoardBottomAtNut, kW, 12), shadow);
}

void PaintWoodGrain(QPainter& p, const QRectF& area, Grain& g, int lines, const QColor& dark, const QColor& light) {
  for (int i = 0; i < lines; ++i) {
    const qreal y0 = g.Range(area.top(), area.bottom());
    const qreal amp = g.Range(0.3, 1.6);
    const qreal wave = g.Range(40, 160);
    const qreal phase = g.Range(0, 6.28);
    const qreal drift = g.Range(-0.012, 0.012);
    QPainterPath line;
    for (qreal x = area.left(); x <= area.right() + 4; x += 4) {
      const qreal y = y0 + amp * std::sin(x / wave + phase) + drift * (x - area.left());
      if (x == area.left())
        line.moveTo(x, y);
      else
        line.lineTo(x, y);
    }
    QColor c = g.Next() < 0.7 ? dark : light;
    c.setAlpha(static_cast<int>(g.Range(25, 85)));
    p.setPen(QPen(c, g.Range(0.35, 1.3)));
    p.drawPath(line);
  }
  // Open pores: short dark flecks along the grain.
  p.setPen(Qt::NoPen);
  for (int i = 0; i < lines * 3; ++i) {
    QColor c = dark;
    c.setAlpha(static_cast<int>(g.Range(60, 140)));
    p.setBrush(c);
    const qreal x = g.Range(area.left(), area.right());
    const qreal y = g.Range(area.top(), area.bottom());
    p.drawRect(QRectF(x, y, g.Range(1.0, 4.5), g.Range(0.3, 0.7)));
  }
}

void PaintHeadstock(QPainter& p) {
  const QPainterPath outline = HeadstockOutline();
  const QRectF box = outline.boundingRect();
  p.save();
  p.setClipPath(outline);
  QLinearGradient face(0, box.top(), 0, box.bottom());
  face.setColorAt(0.0, QColor(128, 66, 34));
  face.setColorAt(0.5, QColor(104, 50, 24));
  face.setColorAt(1.0, QColor(62, 28, 12));
  p.fillPath(outline, face);
  Grain g(7);
  PaintWoodGrain(p, box, g, 16, QColor(48, 20, 8), QColor(170, 100, 60));
  // Lacquer shine along the upper half.
  QLinearGradient gloss(0, box.top(), 0, box.center().y());
  gloss.setColorAt(0.0, QColor(255, 240, 220, 70));
  gloss.setColorAt(1.0, QColor(255, 255, 255, 0));
  p.fillRect(box, gloss);
  p.restore();
  p.setPen(QPen(QColor(20, 8, 2, 200), 1.0));
  p.setBrush(Qt::NoBrush);
  p.drawPath(outline);
}

void PaintFingerboard(QPainter& p) {
  const QPainterPath outline = BoardOutline();
  p.save();
  p.setClipPath(outline);
  QLinearGradient wood(0, kBoardTopAtEnd, 0, kBoardBottomAtEnd);
  wood.setColorAt(0.0, QColor(56, 30, 18));
  wood.setColorAt(0.18, QColor(92, 52, 31));
  wood.setColorAt(0.55, QColor(100, 58, 35));
  wood.setColorAt(0.85, QColor(76, 42, 25));
  wood.setColorAt(1.0, QColor(46, 24, 14));
  p.fillPath(outline, wood);
  Grain g(20240611);
  PaintWoodGrain(p, QRectF(kNutLeft, kBoardTopAtEnd, kW - kNutLeft, kBoardBottomAtEnd - kBoardTopAtEnd), g, 120,
                 QColor(24, 10, 4), QColor(150, 96, 62));
  p.restore();

  // Cream binding along both edges.
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(QColor(226, 214, 184), 1.4));
  p.drawLine(QPointF(kNutLeft, BoardTop(kNutLeft) + 0.7), QPointF(kW, BoardTop(kW) + 0.7));
  p.drawLine(QPointF(kNutLeft, BoardBottom(kNutLeft) - 0.7), QPointF(kW, BoardBottom(kW) - 0.7));
}

void PaintInlay(QPainter& p, qreal cx, qreal cy, qreal r) {
  QRadialGradient pearl(QPointF(cx - r * 0.35, cy - r * 0.35), r * 1.4);
  pearl.setColorAt(0.0, QColor(255, 255, 252));
  pearl.setColorAt(0.45, QColor(232, 228, 236));
  pearl.setColorAt(0.8, QColor(202, 214, 220));
  pearl.setColorAt(1.0, QColor(176, 170, 188));
  p.setPen(QPen(QColor(40, 24, 16, 160), 0.6));
  p.setBrush(pearl);
  p.drawEllipse(QPointF(cx, cy), r, r);
}

void PaintInlays(QPainter& p) {
  const qreal middle = (StringY(3) + StringY(4)) / 2;
  for (int fret : kInlayFrets) {
    const qreal cx = FretSpaceCentreX(fret);
    const qreal r = fret < 12 ? 3.7 : 3.4;
    if (fret == 12) {
      PaintInlay(p, cx, (StringY(2) + StringY(3)) / 2, r);
      PaintInlay(p, cx, (StringY(4) + StringY(5)) / 2, r);
    } else {
      PaintInlay(p, cx, middle, r);
    }
  }
}

void PaintFretWires(QPainter& p) {
  p.setPen(Qt::NoPen);
  const qreal half = kFretWireWidth / 2;
  for (int n = 1; n <= kNeckFrets; ++n) {
    const qreal x = FretWireX(n);
    const qreal top = BoardTop(x) + 0.5;
    const qreal bottom = BoardBottom(x) - 0.5;
    // The wire's shadow on the wood towards the body.
    p.setBrush(QColor(16, 8, 4, 110));
    p.drawRect(QRectF(x + half, top, 1.6, bottom - top));
    QLinearGradient metal(x - half, 0, x + half, 0);
    metal.setColorAt(0.0, QColor(96, 96, 100));
    metal.setColorAt(0.35, QColor(246, 246, 246));
    metal.setColorAt(0.6, QColor(206, 206, 210));
    metal.setColorAt(1.0, QColor(92, 92, 96));
    p.setBrush(metal);
    p.drawRoundedRect(QRectF(x - half, top - 0.5, kFretWireWidth, bottom - top + 1), 1.0, 1.0);
  }
}

void PaintNut(QPainter& p) {
  const QRectF nut(kNutLeft, kBoardTopAtNut - 1.5, kNutRight - kNutLeft, kBoardBottomAtNut - kBoardTopAtNut + 3);
  QLinearGradient bone(nut.left(), 0, nut.right(), 0);
  bone.setColorAt(0.0, QColor(186, 176, 150));
  bone.setColorAt(0.3, QColor(246, 240, 222));
  bone.setColorAt(0.75, QColor(232, 224, 200));
  bone.setColorAt(1.0, QColor(160, 150, 124));
  p.setPen(QPen(QColor(70, 60, 45), 0.6));
  p.setBrush(bone);
  p.drawRoundedRect(nut, 1.5, 1.5);
  // The slots the strings rest in.
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(110, 96, 70, 170));
  for (int k = 1; k <= 6; ++k) p.drawRect(QRectF(kNutLeft + 0.5, StringY(k) - 1.2, nut.width() - 1, 2.4));
}

// Thickness grows from the thin high E string to the low E string; strings 4
// to 6 are wound.
constexpr qreal kStringWidth[6] = {1.0, 1.3, 1.7, 2.1, 2.6, 3.1};

void PaintStrings(QPainter& p) {
  p.setPen(Qt::NoPen);
  for (int k = 1; k <= 6; ++k) {
    const qreal y = StringY(k) + (k <= 3 ? 0.5 : 0.0);
    const qreal w = kStringWidth[k - 1];
    const bool wound = k >= 4;
    // Shadow on the board below the string.
    p.setBrush(QColor(0, 0, 0, 90));
    p.drawRect(QRectF(kNutRight, y + w / 2 + 0.6, kW - kNutRight, w * 0.8));
    p.drawRect(QRectF(0, y + w / 2 + 0.6, kNutLeft, w * 0.6));
    QLinearGradient metal(0, y - w / 2, 0, y + w / 2);
    if (wound) {
      metal.setColorAt(0.0, QColor(104, 84, 52));
      metal.setColorAt(0.4, QColor(238, 214, 160));
      metal.setColorAt(1.0, QColor(92, 72, 42));
    } else {
      metal.setColorAt(0.0, QColor(130, 130, 136));
      metal.setColorAt(0.4, QColor(250, 250, 252));
      metal.setColorAt(1.0, QColor(120, 120, 126));
    }
    p.setBrush(metal);
    p.drawRect(QRectF(0, y - w / 2, kW, w));
    if (wound) {
      // The winding: fine slanted grooves along the string.
      p.setPen(QPen(QColor(70, 54, 30, 120), 0.45));
      for (qreal x = 0; x < kW; x += 1.5) p.drawLine(QPointF(x, y - w / 2), QPointF(x + 0.8, y + w / 2));
      p.setPen(Qt::NoPen);
    }
  }
}

}  // namespace

void PaintNeckPicture(QPainter& p) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  PaintBackground(p);
  PaintHeadstock(p);
  PaintFingerboard(p);
  PaintInlays(p);
  PaintFretWires(p);
  PaintNut(p);
  PaintStrings(p);
  p.restore();
}

NeckPicture::NeckPicture(QWidget* parent) : QWidget(parent) {
  setObjectName("imgAllFrets");
  setAttribute(Qt::WA_OpaquePaintEvent);
  resize(kNeckPictureWidth, kNeckPictureHeight);
}

void NeckPicture::SetScale(qreal scale) {
  scale_ = scale;
  update();
}

QSize NeckPicture::sizeHint() const { return {kNeckPictureWidth, kNeckPictureHeight}; }

const QPixmap& NeckPicture::Rendering(qreal dpr) {
  if (cache_.isNull() || cache_.devicePixelRatio() != dpr || cacheScale_ != scale_) {
    const qreal k = dpr * scale_;
    cache_ = QPixmap(QSize(static_cast<int>(std::ceil(kW * k)), static_cast<int>(std::ceil(kH * k))));
    cache_.setDevicePixelRatio(dpr);
    cache_.fill(Qt::black);
    cacheScale_ = scale_;
    QPainter p(&cache_);
    p.scale(scale_, scale_);
    PaintNeckPicture(p);
  }
  return cache_;
}

void NeckPicture::paintEvent(QPaintEvent* event) {
  QPainter p(this);
  // When the widget is rendered into a pixmap of another pixel ratio (a
  // screenshot at 2x), the painter's real target tells the ratio.
  const QPaintDevice* target = p.paintEngine() ? p.paintEngine()->paintDevice() : nullptr;
  const qreal dpr = target ? target->devicePixelRatio() : devicePixelRatio();
  const QPixmap& picture = Rendering(dpr);
  const QRect r = event->rect();
  p.drawPixmap(r, picture, QRectF(r.x() * dpr, r.y() * dpr, r.width() * dpr, r.height() * dpr));
}

}  // namespace strumbly
