#pragma once
// Drawing graphic tablature page by page on a paged device, a PDF writer
// among them. It needs Qt GUI only, so the converter makes PDF files on a
// machine without the widget libraries; printers are in tab_printer.h.
#include <QByteArray>
#include <QPageSize>

#include "core/tab/tab_drawing.h"

class QPagedPaintDevice;

namespace strumbly {

// Dots per inch of printed tablature: the layout's fixed margins are made
// for this resolution.
inline constexpr int kTabPrintDpi = 300;

// Prints every page on the device, which must be ready to paint. Gives back
// the number of pages, 0 when painting could not start or finish.
int PrintTabOn(QPagedPaintDevice& device, const TabDrawing& drawing);

// The PDF of the printed pages.
QByteArray TabPdfBytes(const TabDrawing& drawing, const QPageSize& pageSize);

}  // namespace strumbly
