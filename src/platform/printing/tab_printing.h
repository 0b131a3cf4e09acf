#pragma once
// Printing graphic tablature page by page, on a printer or into a PDF.
#include <QByteArray>
#include <QPageSize>

#include "core/tab/tab_drawing.h"

class QPagedPaintDevice;
class QPrinter;

namespace strumbly {

// Dots per inch of printed tablature: the layout's fixed margins are made
// for this resolution.
inline constexpr int kTabPrintDpi = 300;

// Prints every page on the device, which must be ready to paint. Gives back
// the number of pages, 0 when painting could not start.
int PrintTabOn(QPagedPaintDevice& device, const TabDrawing& drawing);

// Prepares a printer for tablature: its resolution and the job's name.
void PrepareTabPrinter(QPrinter& printer, const QString& jobName);

// The PDF of the printed pages.
QByteArray TabPdfBytes(const TabDrawing& drawing, const QPageSize& pageSize);

}  // namespace strumbly
