#pragma once

#include <QPageSize>
#include <functional>

class QPaintDevice;
class QPagedPaintDevice;
class QPainter;
class QFont;
class QPdfWriter;

// The printable page in device pixels. The lowest sixteenth of the page is
// never used, so the height is already cut to 15/16.
struct PrinterPage {
  int PageWidthDots = 0;
  int PageHeightDots = 0;
};

PrinterPage ReadPrinterPage(const QPaintDevice& device);

// The printer's face at a size in points.
QFont PrinterFont(int points, bool bold = false, bool underline = false);

// The paper at 1200 dots per inch with the margins of the desktop's PDF
// printer, so a PDF written without widgets has the printer's pages.
void SetUpPdf(QPdfWriter& pdf, QPageSize::PageSizeId paper);
// The same on US letter.
void SetUpLetterPdf(QPdfWriter& pdf);

// Runs a printout of several pages on the device as one job: `print` draws
// with the painter and calls its second argument between pages. Returns the
// pages `print` reports, or 0 when the device did not start.
int PrintPages(QPagedPaintDevice& device,
               const std::function<int(QPainter& painter, const std::function<bool()>& newPage)>& print);
