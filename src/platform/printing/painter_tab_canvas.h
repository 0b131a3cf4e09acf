#pragma once
// Graphic tablature on a QPainter: the screen, a printer or a PDF.
#include <QFont>
#include <QPainter>

#include "core/tab/tab_canvas.h"

class QPagedPaintDevice;

namespace strumbly {

// The faces that stand in for the layout's fonts: Liberation Serif for the
// serif face (metric-compatible with the face the layout was made for) and
// Liberation Sans for the sans-serif one, falling back to the nearest faces
// present.
QFont TabQFont(const TabFont& font);

class PainterTabCanvas : public TabCanvas {
 public:
  // A paged device gets its pages ejected through NewPage.
  explicit PainterTabCanvas(QPainter& painter, QPagedPaintDevice* pages = nullptr);

  void SetFont(const TabFont& font) override;
  int TextWidth(const std::string& text) override;
  int TextHeight(const std::string& text) override;
  void TextOut(int x, int y, const std::string& text) override;
  void Line(int x1, int y1, int x2, int y2) override;
  void FillWhite(int x, int y, int width, int height) override;
  void NewPage() override;

 private:
  QPainter& painter_;
  QPagedPaintDevice* pages_;
  TabFont font_;
  bool fontSet_ = false;
};

}  // namespace strumbly
