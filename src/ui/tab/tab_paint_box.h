#pragma once
// The graphic tablature on screen: a scrolled view that paints only the rows
// in sight, so a song of thousands of bars scrolls as quickly as a short one.
#include <QAbstractScrollArea>

#include "core/tab/tab_drawing.h"

namespace strumbly {

class TTabPaintBox : public QAbstractScrollArea {
  Q_OBJECT
 public:
  explicit TTabPaintBox(QWidget* parent = nullptr);

  // Shows the drawing (its layout must outlive it) from the top; nullptr
  // layout shows nothing.
  void SetDrawing(const TabDrawing& drawing);
  void Clear();
  // Height of the whole drawing for the current width.
  int DrawingHeight() const;

 signals:
  // After each paint; truncated when an overfull bar lost chords.
  void Painted(bool truncated);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void UpdateScrollRange();
  TabDrawing drawing_;
};

}  // namespace strumbly
