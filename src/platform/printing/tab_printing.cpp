#include "platform/printing/tab_printing.h"

#include <QBuffer>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>

#include "platform/command_error.h"
#include "platform/printing/painter_tab_canvas.h"
#include "platform/song_io.h"

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

void PrintPages(QPrinter& printer, const std::function<bool(QPagedPaintDevice&)>& paint, FileOperations& ops) {
  const QString file = printer.outputFormat() == QPrinter::PdfFormat ? printer.outputFileName() : QString();
  if (file.isEmpty()) {
    if (!paint(printer) || printer.printerState() == QPrinter::Error)
      throw CommandError("The printer could not be started.");
    return;
  }
  QByteArray bytes;
  {
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setResolution(printer.resolution());
    writer.setPageLayout(printer.pageLayout());
    writer.setPageRanges(printer.pageRanges());
    writer.setPdfVersion(printer.pdfVersion());
    writer.setTitle(printer.docName());
    writer.setCreator(printer.creator().isEmpty() ? QString("Strumbly") : printer.creator());
    if (!paint(writer)) throw CommandError("Cannot create file " + file + ": the pages could not be drawn.");
  }
  try {
    WriteFileSafely(file, std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())), ops);
  } catch (const SaveError& e) {
    throw CommandError("Cannot create file " + file + ": " + e.reason());
  }
}

void PrepareTabPrinter(QPrinter& printer, const QString& jobName) {
  printer.setResolution(kTabPrintDpi);
  printer.setDocName(jobName);
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
