#include "views/AttributionPainting.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "model/NumberFormat.h"

namespace {

constexpr int kGap = 6;

long double Magnitude(std::int64_t value) { return std::abs(static_cast<long double>(value)); }

}  // namespace

int AttributionRowHeight(const QFontMetrics& metrics) { return metrics.height() + kGap; }

void PaintAttributionBars(QPainter& painter, const QRect& area, const std::vector<AttributionBar>& bars) {
  if (bars.empty() || area.width() <= 0) return;
  const QFontMetrics metrics(painter.font());
  const int rowHeight = AttributionRowHeight(metrics);

  int valueWidth = 0;
  int changeWidth = 0;
  long double largestGain = 0;
  long double largestLoss = 0;
  for (const AttributionBar& bar : bars) {
    valueWidth = std::max(valueWidth, metrics.horizontalAdvance(QString::fromStdString(FormatDollars(bar.value))));
    changeWidth = std::max(changeWidth, metrics.horizontalAdvance(bar.values));
    long double& largest = bar.value < 0 ? largestLoss : largestGain;
    largest = std::max(largest, Magnitude(bar.value));
  }
  const int nameWidth = std::max(0, area.width() * 2 / 5 - kGap);
  const int barLeft = area.left() + nameWidth + kGap;
  // The inputs' values take what room they need, up to a quarter of the width.
  changeWidth = std::min(changeWidth, area.width() / 4);
  const int changeLeft = area.right() - valueWidth - kGap - changeWidth;
  const int barWidth = std::max(1, changeLeft - kGap - barLeft);
  const long double span = largestGain + largestLoss;
  const int zeroX = barLeft + (span > 0 ? static_cast<int>(barWidth * (largestLoss / span)) : 0);

  painter.save();
  painter.setRenderHint(QPainter::Antialiasing, false);
  painter.setPen(Qt::gray);
  painter.drawLine(zeroX, area.top(), zeroX, area.top() + rowHeight * static_cast<int>(bars.size()) - 1);
  int top = area.top();
  for (const AttributionBar& bar : bars) {
    const QRect row(area.left(), top, area.width(), rowHeight);
    painter.setPen(Qt::black);
    painter.drawText(QRect(row.left(), row.top(), nameWidth, rowHeight), Qt::AlignLeft | Qt::AlignVCenter,
                     metrics.elidedText(bar.name, Qt::ElideRight, nameWidth));
    painter.drawText(QRect(changeLeft, row.top(), changeWidth, rowHeight), Qt::AlignRight | Qt::AlignVCenter,
                     metrics.elidedText(bar.values, Qt::ElideRight, changeWidth));
    painter.drawText(QRect(row.right() - valueWidth, row.top(), valueWidth, rowHeight),
                     Qt::AlignRight | Qt::AlignVCenter, QString::fromStdString(FormatDollars(bar.value)));
    if (bar.value != 0 && span > 0) {
      const int length = std::max(1, static_cast<int>(barWidth * (Magnitude(bar.value) / span)));
      const QRect shape = bar.value > 0 ? QRect(zeroX, row.top() + kGap / 2, length, rowHeight - kGap)
                                        : QRect(zeroX - length, row.top() + kGap / 2, length, rowHeight - kGap);
      painter.fillRect(shape, bar.value > 0 ? kGainColour : kLossColour);
    }
    top += rowHeight;
  }
  painter.restore();
}
