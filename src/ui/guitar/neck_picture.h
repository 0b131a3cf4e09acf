#pragma once
// The picture of the guitar neck, drawn in code: a rosewood fingerboard with
// binding, a bone nut, nickel fret wires, pearl inlays, six strings and the
// start of the headstock left of the nut, on a dark ground that carries the
// chord name above and the fret numbers below.
#include <QPixmap>
#include <QWidget>

class QPainter;

namespace strumbly {

// Draws the whole picture into the rectangle (0, 0, 484, 160) of the painter.
void PaintNeckPicture(QPainter& painter);

// The picture widget, `imgAllFrets`. It keeps one rendering per device pixel
// ratio, so repainting a marker's area costs a copy of a few pixels.
class NeckPicture : public QWidget {
  Q_OBJECT
 public:
  explicit NeckPicture(QWidget* parent);
  QSize sizeHint() const override;

  // The picture is drawn this much larger than its own size, from its
  // drawing, so it stays crisp at any size.
  void SetScale(qreal scale);

  // The cached rendering for the given device pixel ratio at the scale.
  const QPixmap& Rendering(qreal dpr);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QPixmap cache_;
  qreal scale_ = 1.0;
  qreal cacheScale_ = 0.0;
};

}  // namespace strumbly
