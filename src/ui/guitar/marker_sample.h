#pragma once
// The settings dialog's sample of the marker look: the first frets of the
// neck picture with three markers on it, as a chord would show them.
#include <QPixmap>
#include <QWidget>
#include <array>
#include <cstdint>

namespace strumbly {

class NeckMarker;

class MarkerSample : public QWidget {
  Q_OBJECT
 public:
  explicit MarkerSample(QWidget* parent = nullptr);
  QSize sizeHint() const override;

  NeckMarker* Marker(int index) const { return markers_[static_cast<std::size_t>(index)]; }
  void SetColorValue(std::uint32_t value);
  void SetShape(int shape);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QPixmap picture_;
  std::array<NeckMarker*, 3> markers_{};
};

}  // namespace strumbly
