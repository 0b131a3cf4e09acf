#pragma once
// Printing on a printer chosen in the print dialog. This is the part of
// printing that needs Qt Print Support, so only the windows link it.
#include <QString>
#include <functional>

#include "platform/file_operations.h"
#include "platform/printing/tab_printing.h"

class QPagedPaintDevice;
class QPrinter;

namespace strumbly {

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

}  // namespace strumbly
