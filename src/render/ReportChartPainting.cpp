#include "render/ReportChartPainting.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <algorithm>
#include <array>
#include <cmath>

#include "model/NumberFormat.h"
#include "render/PrinterPage.h"

namespace {

const std::array<QColor, 6> kLineColors = {QColor(20, 60, 140),  QColor(200, 70, 30),  QColor(30, 130, 60),
                                           QColor(140, 40, 140), QColor(150, 110, 20), QColor(60, 60, 60)};
const std::array<QColor, 2> kBandColors = {QColor(205, 218, 238), QColor(160, 185, 222)};

// A step of 1, 2 or 5 times a power of ten that cuts the range into at most eight parts.
std::int64_t ScaleStep(std::int64_t range) {
  std::int64_t power = 1;
  while (true) {
    for (const std::int64_t factor : {1, 2, 5}) {
      if (range / (power * factor) <= 8) return power * factor;
    }
    power *= 10;
  }
}

struct Scale {
  std::int64_t low = 0;
  std::int64_t high = 1;
  std::int64_t step = 1;
};

Scale ScaleOf(const ReportChart& chart) {
  std::int64_t low = 0;
  std::int64_t high = 0;
  for (const auto& line : chart.lines) {
    for (const std::int64_t value : line.values) {
      low = std::min(low, value);
      high = std::max(high, value);
    }
  }
  Scale scale;
  scale.step = ScaleStep(std::max<std::int64_t>(high - low, 1));
  scale.low = static_cast<std::int64_t>(std::floor(static_cast<double>(low) / scale.step)) * scale.step;
  scale.high = static_cast<std::int64_t>(std::ceil(static_cast<double>(high) / scale.step)) * scale.step;
  if (scale.high == scale.low) scale.high = scale.low + scale.step;
  return scale;
}

class ChartFrame {
 public:
  ChartFrame(const QRect& plot, const ReportChart& chart, const Scale& scale)
      : plot_(plot), chart_(chart), scale_(scale) {}
  double X(std::size_t i) const {
    const std::size_t last = std::max<std::size_t>(chart_.years.size(), 2) - 1;
    return plot_.left() + plot_.width() * static_cast<double>(i) / static_cast<double>(last);
  }
  double Y(std::int64_t value) const {
    return plot_.bottom() -
           plot_.height() * static_cast<double>(value - scale_.low) / static_cast<double>(scale_.high - scale_.low);
  }

 private:
  QRect plot_;
  const ReportChart& chart_;
  Scale scale_;
};

void PaintScale(QPainter& painter, const QRect& plot, const ChartFrame& frame, const Scale& scale, int line) {
  for (std::int64_t mark = scale.low; mark <= scale.high; mark += scale.step) {
    const int y = static_cast<int>(std::lround(frame.Y(mark)));
    painter.setPen(QPen(mark == 0 ? Qt::black : QColor(200, 200, 200), line / 14));
    painter.drawLine(plot.left(), y, plot.right(), y);
    painter.setPen(Qt::black);
    painter.drawText(QRect(0, y - line, plot.left() - line / 2, 2 * line), Qt::AlignRight | Qt::AlignVCenter,
                     QString::fromStdString(FormatDollars(mark)));
  }
}

void PaintYears(QPainter& painter, const QRect& plot, const ChartFrame& frame, const ReportChart& chart, int line) {
  painter.setPen(QPen(Qt::black, line / 14));
  painter.drawRect(plot);
  for (std::size_t i = 0; i < chart.years.size(); ++i) {
    if (chart.years[i] % 5 != 0) continue;
    const int x = static_cast<int>(std::lround(frame.X(i)));
    const bool decade = chart.years[i] % 10 == 0;
    painter.drawLine(x, plot.bottom(), x, plot.bottom() + (decade ? line / 2 : line / 4));
    if (decade) {
      painter.drawText(QRect(x - 2 * line, plot.bottom() + line / 2, 4 * line, line), Qt::AlignCenter,
                       QString::number(chart.years[i]));
    }
  }
}

QPolygonF LinePoints(const ChartFrame& frame, const std::vector<std::int64_t>& values) {
  QPolygonF points;
  for (std::size_t i = 0; i < values.size(); ++i) points << QPointF(frame.X(i), frame.Y(values[i]));
  return points;
}

void PaintLegend(QPainter& painter, const QRect& area, int top, const ReportChart& chart, int line) {
  int x = area.left();
  const QFontMetrics metrics(painter.font(), painter.device());
  for (std::size_t i = 0; i < chart.lines.size(); ++i) {
    const auto& entry = chart.lines[i];
    const int width = 2 * line + metrics.horizontalAdvance(QString::fromStdString(entry.name)) + line;
    if (x + width > area.right()) {
      x = area.left();
      top += line;
    }
    QPen pen(kLineColors[i % kLineColors.size()], entry.bold ? line / 5 : line / 10);
    if (entry.dashed) pen.setStyle(Qt::DashLine);
    painter.setPen(pen);
    painter.drawLine(x, top + line / 2, x + line * 3 / 2, top + line / 2);
    painter.setPen(Qt::black);
    painter.drawText(QRect(x + 2 * line, top, width, line), Qt::AlignLeft | Qt::AlignVCenter,
                     QString::fromStdString(entry.name));
    x += width;
  }
}

}  // namespace

void PaintReportChart(QPainter& painter, const QRect& area, const ReportChart& chart) {
  if (chart.years.empty()) return;
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setFont(PrinterFont(8));
  const QFontMetrics metrics(painter.font(), painter.device());
  const int line = metrics.height();
  const Scale scale = ScaleOf(chart);
  const int labelWidth = metrics.horizontalAdvance(QString::fromStdString(FormatDollars(-scale.step * 99999))) + line;
  const int legendRows = chart.lines.size() > 4 ? 2 : 1;
  const QRect plot(area.left() + labelWidth, area.top() + line * 3 / 2, area.width() - labelWidth,
                   area.height() - line * (3 + legendRows) - line / 2);
  const ChartFrame frame(plot, chart, scale);
  painter.drawText(QRect(area.left(), area.top(), area.width(), line), Qt::AlignLeft | Qt::AlignVCenter,
                   QString::fromStdString(chart.caption));
  for (const auto& band : chart.bands) {
    QPolygonF shape = LinePoints(frame, chart.lines[band.low].values);
    const QPolygonF high = LinePoints(frame, chart.lines[band.high].values);
    for (auto point = high.rbegin(); point != high.rend(); ++point) shape << *point;
    painter.setPen(Qt::NoPen);
    painter.setBrush(kBandColors[static_cast<std::size_t>(band.shade) % kBandColors.size()]);
    painter.drawPolygon(shape);
  }
  painter.setBrush(Qt::NoBrush);
  PaintScale(painter, plot, frame, scale, line);
  PaintYears(painter, plot, frame, chart, line);
  for (std::size_t i = 0; i < chart.lines.size(); ++i) {
    const auto& entry = chart.lines[i];
    if (!chart.bands.empty() && !entry.bold) continue;
    QPen pen(kLineColors[i % kLineColors.size()], entry.bold ? line / 5 : line / 10);
    if (entry.dashed) pen.setStyle(Qt::DashLine);
    painter.setPen(pen);
    painter.drawPolyline(LinePoints(frame, entry.values));
  }
  if (chart.bands.empty()) PaintLegend(painter, area, plot.bottom() + line * 2, chart, line);
  painter.restore();
}
