#include "render/PrinterPage.h"

#include <QFont>
#include <QPageSize>
#include <QPaintDevice>
#include <QPdfWriter>

PrinterPage ReadPrinterPage(const QPaintDevice& device) {
  return PrinterPage{device.width(), device.height() * 15 / 16};
}

QFont PrinterFont(int points, bool bold, bool underline) {
  QFont font;
  font.setPointSize(points);
  font.setBold(bold);
  font.setUnderline(underline);
  // No ligatures, so a printout's text reads "fl", not one glyph, when searched:
  // Qt shapes without them once any letter spacing is set, and 100% changes no width.
  font.setLetterSpacing(QFont::PercentageSpacing, 100);
  return font;
}

void SetUpLetterPdf(QPdfWriter& pdf) {
  pdf.setResolution(1200);
  pdf.setPageSize(QPageSize(QPageSize::Letter));
}
