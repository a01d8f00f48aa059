#pragma once
// Lays a print job's pages onto a paged device (a printer, or a PDF in the tests).

#include <QPagedPaintDevice>

#include "ui/System.h"

namespace kvx {

// Where the heading's top stands on page 1, in device pixels from the top of the
// printable area: a fixed distance below the paper's top edge, less the top margin the
// device keeps. Never above the printable area.
int HeadingTop(double inchesFromPaperTop, int dotsPerInch, int topMarginPixels);

// Draws every page of the job: a heading (when the job has one) in Times New Roman
// 14 point, bold and underlined, centred on the printable width; every other line in
// Times New Roman 12 point, one line of that font a line, from the top of the
// printable area. Returns false when the device could not be painted on.
bool PrintPages(QPagedPaintDevice& device, const PrintJob& job, int topMarginPixels);

}  // namespace kvx
