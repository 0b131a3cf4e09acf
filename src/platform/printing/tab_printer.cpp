#include "platform/printing/tab_printer.h"

#include <QBuffer>
#include <QPdfWriter>
#include <QPrinter>

#include "platform/command_error.h"
#include "platform/song_io.h"

namespace strumbly {

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

}  // namespace strumbly
