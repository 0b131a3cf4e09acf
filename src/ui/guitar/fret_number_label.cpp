#include "ui/guitar/fret_number_label.h"

#include <QFontMetricsF>
#include <QPainter>

#include "core/guitar/neck_geometry.h"

namespace strumbly {

namespace {
constexpr const char* kCaption =
    "1      2      3       4      5       6       7      8      9     10     11    12     13    14    15    16    17  "
    "   18";
}

FretNumberLabel::FretNumberLabel(QWidget* parent) : QLabel(parent) {
  setObjectName("lblFretNumbers");
  setText(kCaption);
  QFont f = font();
  f.setPixelSize(10);
  f.setBold(true);
  setFont(f);
  QPalette pal = palette();
  pal.setColor(QPalette::WindowText, Qt::white);
  setPalette(pal);
  setAttribute(Qt::WA_TransparentForMouseEvents);
}

qreal FretNumberLabel::NumberCentreX(int fret) const { return FretSpaceCentreX(fret) - x() / scale_; }

void FretNumberLabel::SetScale(qreal scale) {
  scale_ = scale;
  update();
}

// The high frets are narrower than two digits of the caption's font; their
// numbers are drawn narrower, so that a gap stays between neighbours.
void FretNumberLabel::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.scale(scale_, scale_);
  p.setRenderHint(QPainter::TextAntialiasing);
  p.setFont(font());
  p.setPen(palette().color(QPalette::WindowText));
  const QFontMetricsF metrics(font());
  constexpr qreal kGap = 4;
  for (int fret = 1; fret <= kNeckFrets; ++fret) {
    const QString number = QString::number(fret);
    const qreal room = FretWireX(fret) - FretWireX(fret - 1) - kGap;
    const qreal ink = metrics.horizontalAdvance(number);
    const qreal squeeze = ink > room ? room / ink : 1.0;
    p.save();
    p.translate(NumberCentreX(fret), 0);
    p.scale(squeeze, 1.0);
    const qreal w = ink + 8;
    p.drawText(QRectF(-w / 2, 0, w, height() / scale_), Qt::AlignCenter, number);
    p.restore();
  }
}

}  // namespace strumbly
