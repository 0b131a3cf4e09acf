#pragma once
// The fret numbers under the neck, `lblFretNumbers`. Its text is the familiar
// blank-spaced caption, but each number is drawn centred under its own fret
// space as the neck geometry places it.
#include <QLabel>

namespace strumbly {

class FretNumberLabel : public QLabel {
  Q_OBJECT
 public:
  explicit FretNumberLabel(QWidget* parent);
  // The x centre of fret 1..18's number, in the label's own coordinates.
  qreal NumberCentreX(int fret) const;
  // Drawn this much larger than the neck's own size.
  void SetScale(qreal scale);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  qreal scale_ = 1.0;
};

}  // namespace strumbly
