#pragma once

#include <QString>

class QPainter;
class QPaintDevice;
class QFont;

// The printable page in device pixels. The lowest sixteenth of the page is
// never used, so the height is already cut to 15/16.
struct PrinterPage {
  int PageWidthDots = 0;
  int PageHeightDots = 0;
};

PrinterPage ReadPrinterPage(const QPaintDevice& device);

// Nearest whole pixel, halves to the even neighbour.
int RoundPixel(long double value);

// A one-pixel line doubled 3 device pixels away (to the right when vertical,
// lower otherwise), so it survives high printer resolutions.
void PrinterThinLine(QPainter& painter, int x1, int y1, int x2, int y2);

enum class TextAnchor { Centre, Left, Right };

// One unclipped line of text vertically centred on y; x is its centre, start
// or end as `anchor` says.
void PrintText(QPainter& painter, int x, int y, const QString& text, TextAnchor anchor);

// The printer's face at a size in points.
QFont PrinterFont(int points, bool bold = false, bool underline = false);
