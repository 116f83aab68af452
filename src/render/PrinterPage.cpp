#include "render/PrinterPage.h"

#include <QFont>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPaintDevice>
#include <QPainter>
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

void SetUpPdf(QPdfWriter& pdf, QPageSize::PageSizeId paper) {
  pdf.setResolution(1200);
  pdf.setPageSize(QPageSize(paper));
}

void SetUpLetterPdf(QPdfWriter& pdf) { SetUpPdf(pdf, QPageSize::Letter); }

int PrintPages(QPagedPaintDevice& device,
               const std::function<int(QPainter& painter, const std::function<bool()>& newPage)>& print) {
  QPainter painter;
  if (!painter.begin(&device)) return 0;
  const int pages = print(painter, [&device] { return device.newPage(); });
  painter.end();
  return pages;
}
