#pragma once

class QPaintDevice;
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

// US letter at 1200 dots per inch with the margins of the desktop's PDF
// printer, so a PDF written without widgets has the printer's pages.
void SetUpLetterPdf(QPdfWriter& pdf);
