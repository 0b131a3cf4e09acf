#pragma once
// One marker of the neck: a shape over the picture at one string and fret.
// A clear marker draws nothing and lets the neck show through; a filled one
// draws its shape in its colour, without outline. The open-string marker
// left of the nut reads as chord diagrams have it: a ring when the string
// sounds open, a cross when the chord leaves the string out.
#include <QColor>
#include <QWidget>
#include <cstdint>

namespace strumbly {

// Marker shape codes as the settings store them. The settings dialog offers
// rectangle, square, ellipse and circle; the rounded two are drawn should a
// stored value name them, and any other code draws a rectangle.
enum MarkerShapeCode : int {
  kShapeRectangle = 0,
  kShapeSquare = 1,
  kShapeRoundRect = 2,
  kShapeRoundSquare = 3,
  kShapeEllipse = 4,
  kShapeCircle = 5
};
inline constexpr std::uint32_t kDefaultMarkerColor = 16776960;  // aqua
inline constexpr int kDefaultMarkerShape = kShapeCircle;

// A colour value is blue * 65536 + green * 256 + red.
QColor ColorFromValue(std::uint32_t value);
std::uint32_t ValueFromColor(const QColor& color);

class NeckMarker : public QWidget {
  Q_OBJECT
 public:
  NeckMarker(int stringNumber, int fret, QWidget* parent);

  int StringNumber() const { return string_; }
  int Fret() const { return fret_; }

  bool IsFilled() const { return filled_; }
  // Only the open-string marker draws the cross of a string left out.
  bool IsMuted() const { return muted_; }
  std::uint32_t ColorValue() const { return color_; }
  int Shape() const { return shape_; }

  // Each setter repaints the marker only when what it shows changes.
  void SetFilled(bool filled);
  void SetColorValue(std::uint32_t value);
  void SetShape(int shape);
  void SetMuted(bool muted);

  // How much larger than the neck's own size the neck is drawn; the marker's
  // shapes keep their proportions.
  void SetScale(qreal scale);
  qreal Scale() const { return scale_; }

  // The area the shape covers inside the marker, in the neck's own units: a band around the string
  // lower than the distance between strings, so markers on neighbouring
  // strings stay apart.
  QRectF ShapeRect() const;
  // Centre of the ring and the cross of the open-string marker.
  QPointF NutMarkCentre() const;

 signals:
  void pressed(NeckMarker* marker, Qt::MouseButton button);
  void released(NeckMarker* marker, Qt::MouseButton button);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  int string_;
  int fret_;
  bool filled_ = false;
  bool muted_ = false;
  std::uint32_t color_ = kDefaultMarkerColor;
  int shape_ = kDefaultMarkerShape;
  qreal scale_ = 1.0;
};

}  // namespace strumbly
