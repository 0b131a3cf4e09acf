#pragma once
// Printing graphic tablature page by page, on a printer or into a PDF.
#include <QByteArray>
#include <QPageSize>
#include <functional>

#include "core/tab/tab_drawing.h"
#include "platform/file_operations.h"

class QPagedPaintDevice;
class QPrinter;

namespace strumbly {

// Dots per inch of printed tablature: the layout's fixed margins are made
// for this resolution.
inline constexpr int kTabPrintDpi = 300;

// Prints every page on the device, which must be ready to paint. Gives back
// the number of pages, 0 when painting could not start or finish.
int PrintTabOn(QPagedPaintDevice& device, const TabDrawing& drawing);

// Prepares a printer for tablature: its resolution and the job's name.
void PrepareTabPrinter(QPrinter& printer, const QString& jobName);

// Prints on the printer as the print dialog left it. paint draws the pages
// on the device it is given and tells whether that worked. When the dialog
// chose a PDF file, the pages are drawn into memory with the printer's page
// layout and saved as every file is: through a temporary file renamed over
// the old one, which therefore stays whole when the disk is full. Throws
// CommandError with the reason ("Cannot create file X: Disk full", "The
// printer could not be started.").
void PrintPages(QPrinter& printer, const std::function<bool(QPagedPaintDevice&)>& paint,
                FileOperations& ops = SystemFileOperations());

// The PDF of the printed pages.
QByteArray TabPdfBytes(const TabDrawing& drawing, const QPageSize& pageSize);

}  // namespace strumbly
