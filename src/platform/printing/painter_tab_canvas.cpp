#include "platform/printing/painter_tab_canvas.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QPagedPaintDevice>

namespace strumbly {

namespace {

QString Family(TabFace face) {
  static const bool hasSerif = QFontDatabase::hasFamily("Liberation Serif");
  static const bool hasSans = QFontDatabase::hasFamily("Liberation Sans");
  if (face == TabFace::Serif) return hasSerif ? QStringLiteral("Liberation Serif") : QStringLiteral("serif");
  return hasSans ? QStringLiteral("Liberation Sans") : QStringLiteral("sans-serif");
}

}  // namespace

QFont TabQFont(const TabFont& font) {
  QFont f(Family(font.face));
  f.setStyleHint(font.face == TabFace::Serif ? QFont::Serif : QFont::SansSerif);
  f.setPointSize(font.points);
  f.setBold(font.bold);
  return f;
}

PainterTabCanvas::PainterTabCanvas(QPainter& painter, QPagedPaintDevice* pages) : painter_(painter), pages_(pages) {
  painter_.setPen(QPen(Qt::black, 0));
  painter_.setBackgroundMode(Qt::TransparentMode);
}

void PainterTabCanvas::SetFont(const TabFont& font) {
  if (fontSet_ && font == font_) return;
  font_ = font;
  fontSet_ = true;
  painter_.setFont(TabQFont(font));
}

int PainterTabCanvas::TextWidth(const std::string& text) {
  return painter_.fontMetrics().horizontalAdvance(QString::fromStdString(text));
}

int PainterTabCanvas::TextHeight(const std::string&) { return painter_.fontMetrics().height(); }

void PainterTabCanvas::TextOut(int x, int y, const std::string& text) {
  if (text.empty()) return;
  const QFontMetrics metrics = painter_.fontMetrics();
  const QString q = QString::fromStdString(text);
  // The white ground reaches a little past the text, so a number stands
  // clear of the string line it breaks.
  const int pad = metrics.height() / 6;
  painter_.fillRect(x - pad, y, metrics.horizontalAdvance(q) + 2 * pad, metrics.height(), Qt::white);
  painter_.drawText(x, y + metrics.ascent(), q);
}

void PainterTabCanvas::Line(int x1, int y1, int x2, int y2) { painter_.drawLine(x1, y1, x2, y2); }

void PainterTabCanvas::FillWhite(int x, int y, int width, int height) {
  painter_.fillRect(x, y, width, height, Qt::white);
}

void PainterTabCanvas::NewPage() {
  if (pages_) pages_->newPage();
}

}  // namespace strumbly
