#include "views/SolveCharts.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int kMargin = 8;
constexpr int kAxisRoom = 44;
constexpr int kLabelWidth = 260;

QString Short(double value) {
  const double size = std::fabs(value);
  if (size >= 1e6) return QString::number(value / 1e6, 'f', 1) + "M";
  if (size >= 1e4) return QString::number(value / 1e3, 'f', 0) + "k";
  return QString::number(value, 'f', size < 10 && value != std::floor(value) ? 2 : 0);
}

}  // namespace

void DrawFrontierChart(QPainter& painter, const QRect& area, const std::vector<FrontierChartPoint>& points,
                       std::optional<FrontierChartPoint> planPoint, const QString& alongName,
                       const QString& solvedName) {
  painter.fillRect(area, Qt::white);
  painter.setPen(Qt::black);
  if (points.empty()) {
    painter.drawText(area, Qt::AlignCenter | Qt::TextWordWrap, "Press Frontier to solve along a second lever.");
    return;
  }
  const QRect plot = area.adjusted(kAxisRoom, kMargin + 14, -kMargin, -kAxisRoom / 2 - 6);
  double xLow = points.front().along, xHigh = points.back().along;
  double yLow = points.front().solved, yHigh = yLow;
  for (const FrontierChartPoint& point : points) {
    yLow = std::min(yLow, point.solved);
    yHigh = std::max(yHigh, point.solved);
  }
  if (xHigh <= xLow) xHigh = xLow + 1;
  if (yHigh <= yLow) yHigh = yLow + 1;
  const auto at = [&](const FrontierChartPoint& point) {
    return QPointF(plot.left() + (point.along - xLow) / (xHigh - xLow) * plot.width(),
                   plot.bottom() - (point.solved - yLow) / (yHigh - yLow) * plot.height());
  };
  painter.drawRect(plot);
  painter.drawText(area.left() + kMargin, area.top() + kMargin + 10, solvedName);
  painter.drawText(QRect(area.left(), area.bottom() - 16, area.width(), 16), Qt::AlignCenter, alongName);
  painter.drawText(QRect(area.left(), plot.top(), kAxisRoom - 2, 14), Qt::AlignRight, Short(yHigh));
  painter.drawText(QRect(area.left(), plot.bottom() - 14, kAxisRoom - 2, 14), Qt::AlignRight, Short(yLow));
  painter.drawText(QRect(plot.left(), plot.bottom() + 2, 60, 14), Qt::AlignLeft, Short(xLow));
  painter.drawText(QRect(plot.right() - 60, plot.bottom() + 2, 60, 14), Qt::AlignRight, Short(xHigh));
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(QPen(QColor(30, 90, 180), 2));
  for (std::size_t i = 1; i < points.size(); ++i) painter.drawLine(at(points[i - 1]), at(points[i]));
  painter.setBrush(QColor(30, 90, 180));
  for (const FrontierChartPoint& point : points) painter.drawEllipse(at(point), 3, 3);
  if (planPoint) {
    painter.setPen(QPen(Qt::red, 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(at(*planPoint), 7, 7);
    painter.drawText(at(*planPoint) + QPointF(9, -9), "the plan");
  }
}

void DrawSensitivityBars(QPainter& painter, const QRect& area, const std::vector<SensitivityBar>& bars, int selected) {
  painter.fillRect(area, Qt::white);
  painter.setPen(Qt::black);
  if (bars.empty()) {
    painter.drawText(area, Qt::AlignCenter | Qt::TextWordWrap, "Press Sensitivity to see which inputs matter most.");
    return;
  }
  double largest = 0.0;
  for (const SensitivityBar& bar : bars) largest = std::max({largest, std::fabs(bar.down), std::fabs(bar.up)});
  if (largest <= 0.0) largest = 1.0;
  const int rowHeight = std::max(1, area.height() / static_cast<int>(bars.size()));
  const QRect plot = area.adjusted(kLabelWidth, 0, -kMargin, 0);
  const double zero = plot.left() + plot.width() / 2.0;
  const double scale = (plot.width() / 2.0 - 2) / largest;
  for (std::size_t i = 0; i < bars.size(); ++i) {
    const int top = area.top() + static_cast<int>(i) * rowHeight;
    if (static_cast<int>(i) == selected) painter.fillRect(QRect(area.left(), top, area.width(), rowHeight), QColor(220, 230, 250));
    painter.setPen(Qt::black);
    painter.drawText(QRect(area.left() + 2, top, kLabelWidth - 6, rowHeight), Qt::AlignVCenter | Qt::AlignLeft,
                     painter.fontMetrics().elidedText(bars[i].label, Qt::ElideRight, kLabelWidth - 6));
    const int barTop = top + rowHeight / 5;
    const int barHeight = std::max(1, rowHeight * 3 / 10);
    for (const auto& [change, color, offset] : {std::tuple{bars[i].down, QColor(230, 140, 40), 0},
                                                std::tuple{bars[i].up, QColor(40, 100, 200), barHeight}}) {
      const double end = zero + change * scale;
      painter.fillRect(QRectF(std::min(zero, end), barTop + offset, std::fabs(end - zero), barHeight), color);
    }
  }
  painter.setPen(Qt::darkGray);
  painter.drawLine(QPointF(zero, area.top()), QPointF(zero, area.bottom()));
}

int SensitivityBarAt(const QRect& area, int count, int y) {
  if (count <= 0 || y < area.top() || y > area.bottom()) return -1;
  const int rowHeight = std::max(1, area.height() / count);
  const int row = (y - area.top()) / rowHeight;
  return row < count ? row : -1;
}
