#include "platform/printing/tab_printing.h"

#include <QBuffer>
#include <QPainter>
#include <QPdfWriter>

#include "platform/printing/painter_tab_canvas.h"

namespace strumbly {

int PrintTabOn(QPagedPaintDevice& device, const TabDrawing& drawing) {
  QPainter painter;
  if (!painter.begin(&device)) return 0;
  PainterTabCanvas canvas(painter, &device);
  // Paper shows the staff in the middle of the printable width.
  TabDrawing centred = drawing;
  centred.centredPage = true;
  const int pages = PrintTabPages(canvas, centred, device.width(), device.height());
  // The end sends the last page: a printer that fails there printed nothing whole.
  if (!painter.end()) return 0;
  return pages;
}

QByteArray TabPdfBytes(const TabDrawing& drawing, const QPageSize& pageSize) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  {
    QPdfWriter writer(&buffer);
    writer.setResolution(kTabPrintDpi);
    writer.setPageSize(pageSize);
    writer.setPageMargins(QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter);
    writer.setTitle(QString::fromStdString(drawing.title));
    writer.setCreator("Strumbly");
    PrintTabOn(writer, drawing);
  }
  buffer.close();
  return bytes;
}

}  // namespace strumbly
