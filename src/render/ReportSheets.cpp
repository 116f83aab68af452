#include "render/ReportSheets.h"

#include <QFontMetrics>
#include <QPainter>

#include "render/GraphGeometry.h"
#include "render/PrinterPage.h"

ReportSheets::ReportSheets(QPainter& painter, const ReportDocument& document, std::function<bool()> newPage,
                           int totalSheets)
    : painter_(painter), document_(document), newPage_(std::move(newPage)), totalSheets_(totalSheets) {
  const PrinterPage page = ReadPrinterPage(*painter.device());
  const int margin = RoundPixel(0.08L * page.PageWidthDots);
  const int headerHeight = 3 * LineHeight(Font(9));
  page_ = QRect(margin, RoundPixel(0.03L * page.PageHeightDots), page.PageWidthDots - 2 * margin,
                page.PageHeightDots - RoundPixel(0.03L * page.PageHeightDots));
  content_ = page_.adjusted(0, headerHeight, 0, 0);
}

QFont ReportSheets::Font(int points, bool bold) { return PrinterFont(points, bold); }

int ReportSheets::LineHeight(const QFont& font) const { return QFontMetrics(font, painter_.device()).height(); }

void ReportSheets::StartPage(const QString& title, bool titled) {
  title_ = title;
  NextSheet();
  if (!titled || stopped_) return;
  const QFont font = Font(16, true);
  if (Drawing()) {
    painter_.setFont(font);
    painter_.setPen(Qt::black);
    painter_.drawText(QRect(Left(), y_, Width(), LineHeight(font)), Qt::AlignLeft | Qt::AlignVCenter, title);
  }
  y_ += LineHeight(font) * 3 / 2;
}

void ReportSheets::Need(int height) {
  if (height <= Room() || y_ <= content_.top() + LineHeight(Font(16)) * 2) return;
  NextSheet();
  if (stopped_) return;
  const QFont font = Font(11, true);
  if (Drawing()) {
    painter_.setFont(font);
    painter_.setPen(Qt::black);
    painter_.drawText(QRect(Left(), y_, Width(), LineHeight(font)), Qt::AlignLeft | Qt::AlignVCenter,
                      title_ + " (continued)");
  }
  y_ += LineHeight(font) * 3 / 2;
}

void ReportSheets::NextSheet() {
  if (stopped_) return;
  if (sheet_ > 0) {
    DrawFrame();
    if (Drawing() && !newPage_()) {
      stopped_ = true;
      return;
    }
  }
  ++sheet_;
  y_ = content_.top();
}

void ReportSheets::Finish() {
  if (sheet_ > 0 && !stopped_) DrawFrame();
}

// Drawn when a sheet is done, so a page that fills its sheet (the graph) cannot paint over it.
void ReportSheets::DrawFrame() {
  if (!Drawing()) return;
  painter_.save();
  const QFont font = Font(9);
  const int line = LineHeight(font);
  painter_.setFont(font);
  painter_.setPen(Qt::black);
  const QRect header(page_.left(), page_.top(), page_.width(), line);
  painter_.drawText(header, Qt::AlignLeft | Qt::AlignVCenter, QString::fromStdString(document_.planName));
  painter_.drawText(header, Qt::AlignHCenter | Qt::AlignVCenter, QString::fromStdString(document_.planFile));
  painter_.drawText(header, Qt::AlignRight | Qt::AlignVCenter, QString::fromStdString(document_.date));
  painter_.setPen(QPen(Qt::black, line / 12));
  painter_.drawLine(page_.left(), page_.top() + line * 5 / 4, page_.right(), page_.top() + line * 5 / 4);
  const QRect footer(page_.left(), page_.bottom() + line / 2, page_.width(), line);
  painter_.drawText(footer, Qt::AlignHCenter | Qt::AlignVCenter,
                    QString("page %1 of %2").arg(sheet_).arg(totalSheets_));
  painter_.restore();
}
