#include "ui/guitar/fret_number_label.h"

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

qreal FretNumberLabel::NumberCentreX(int fret) const { return FretSpaceCentreX(fret) - x(); }

void FretNumberLabel::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setFont(font());
  p.setPen(palette().color(QPalette::WindowText));
  const int w = 24;
  for (int fret = 1; fret <= kNeckFrets; ++fret) {
    const QRectF box(NumberCentreX(fret) - w / 2.0, 0, w, height());
    p.drawText(box, Qt::AlignCenter, QString::number(fret));
  }
}

}  // namespace strumbly
