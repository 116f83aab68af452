#pragma once

#include <QFont>
#include <QRect>
#include <QString>
#include <functional>

#include "render/ReportPrinting.h"

// The sheets of a printed report as they fill: where the next block goes,
// when a sheet is full, and the header and footer each sheet gets. Without
// drawing it only counts, so the footer can say how many sheets there are.
class ReportSheets {
 public:
  ReportSheets(QPainter& painter, const ReportDocument& document, std::function<bool()> newPage, int totalSheets);

  QPainter& Painter() { return painter_; }
  bool Drawing() const { return totalSheets_ > 0; }
  bool Stopped() const { return stopped_; }
  int Sheets() const { return sheet_; }

  // The area between header and footer, and the top of what is left of it.
  const QRect& Content() const { return content_; }
  int Top() const { return y_; }
  int Left() const { return content_.left(); }
  int Width() const { return content_.width(); }
  int Room() const { return content_.bottom() - y_; }
  void Advance(int height) { y_ += height; }

  // Starts a page of the report on a fresh sheet, under its title (none for a
  // page that draws its own).
  void StartPage(const QString& title, bool titled = true);
  // Moves to a fresh sheet when fewer than `height` dots are left.
  void Need(int height);
  // Draws the last sheet's header and footer.
  void Finish();

  // Fonts in points, scaled for the device.
  static QFont Font(int points, bool bold = false);
  // A line's height in the font, on this device.
  int LineHeight(const QFont& font) const;

 private:
  void NextSheet();
  void DrawFrame();

  QPainter& painter_;
  const ReportDocument& document_;
  std::function<bool()> newPage_;
  int totalSheets_;
  QRect page_;
  QRect content_;
  QString title_;
  int y_ = 0;
  int sheet_ = 0;
  bool stopped_ = false;
};
