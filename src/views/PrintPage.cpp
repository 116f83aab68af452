#include "views/PrintPage.h"

#include <QFont>
#include <QFontMetrics>
#include <QPaintDevice>
#include <QPainter>
#include <cmath>

#include "engine/Money.h"

PrinterPage ReadPrinterPage(const QPaintDevice& device) {
  return PrinterPage{device.width(), device.height() * 15 / 16};
}

int RoundPixel(long double value) { return static_cast<int>(RoundMoney(value)); }

void PrinterThinLine(QPainter& painter, int x1, int y1, int x2, int y2) {
  painter.drawLine(x1, y1, x2, y2);
  if (x1 == x2)
    painter.drawLine(x1 + 3, y1, x2 + 3, y2);
  else
    painter.drawLine(x1, y1 + 3, x2, y2 + 3);
}

void PrintText(QPainter& painter, int x, int y, const QString& text, TextAnchor anchor) {
  const QFontMetrics metrics(painter.font(), painter.device());
  const int width = metrics.horizontalAdvance(text);
  int left = x;
  if (anchor == TextAnchor::Centre) left = x - width / 2;
  if (anchor == TextAnchor::Right) left = x - width;
  const int baseline = y + (metrics.ascent() - metrics.descent()) / 2;
  painter.drawText(left, baseline, text);
}

QFont PrinterFont(int points, bool bold, bool underline) {
  QFont font;
  font.setPointSize(points);
  font.setBold(bold);
  font.setUnderline(underline);
  return font;
}
