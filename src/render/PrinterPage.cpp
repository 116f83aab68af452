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
  return font;
}

void SetUpLetterPdf(QPdfWriter& pdf) {
  pdf.setResolution(1200);
  pdf.setPageSize(QPageSize(QPageSize::Letter));
}
