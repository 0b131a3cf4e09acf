#include "ui/tab/tab_paint_box.h"

#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>

#include "platform/printing/painter_tab_canvas.h"

namespace strumbly {

TTabPaintBox::TTabPaintBox(QWidget* parent) : QAbstractScrollArea(parent) {
  setObjectName("PaintBox1");
  // The page inside keeps its white paper; the line around it is drawn in
  // the palette's text colour, so it shows on light and dark desktops alike.
  setFrameStyle(QFrame::Box | QFrame::Plain);
  setLineWidth(1);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  viewport()->setAutoFillBackground(false);
  viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
  viewport()->setFont(TabQFont({TabFace::Sans, kScreenFretPoints, false}));
  verticalScrollBar()->setSingleStep(15);
}

void TTabPaintBox::SetDrawing(const TabDrawing& drawing) {
  drawing_ = drawing;
  UpdateScrollRange();
  verticalScrollBar()->setValue(0);
  viewport()->update();
}

void TTabPaintBox::Clear() { SetDrawing({}); }

int TTabPaintBox::DrawingHeight() const {
  if (!drawing_.layout) return 0;
  return ScreenDrawingHeight(ScreenTabMetrics(viewport()->width(), drawing_.showNames, drawing_.showRhythm),
                             *drawing_.layout);
}

void TTabPaintBox::UpdateScrollRange() {
  QScrollBar* bar = verticalScrollBar();
  const int page = viewport()->height();
  bar->setPageStep(page);
  bar->setRange(0, std::max(0, DrawingHeight() - page));
}

void TTabPaintBox::resizeEvent(QResizeEvent* event) {
  QAbstractScrollArea::resizeEvent(event);
  UpdateScrollRange();
}

void TTabPaintBox::paintEvent(QPaintEvent* event) {
  QPainter painter(viewport());
  if (!drawing_.layout) {
    painter.fillRect(event->rect(), Qt::white);
    return;
  }
  const int scroll = verticalScrollBar()->value();
  painter.translate(0, -scroll);
  const QRect area = event->rect();
  PainterTabCanvas canvas(painter);
  const bool truncated =
      PaintScreenTab(canvas, drawing_, viewport()->width(), scroll + area.top(), scroll + area.bottom() + 1);
  painter.end();
  emit Painted(truncated);
}

}  // namespace strumbly
