#include "views/SolveCharts.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int kMargin = 8;
constexpr int kAxisRoom = 96;
constexpr int kLabelWidth = 300;
constexpr int kScaleRoom = 18;
constexpr int kGridLines = 4;
constexpr int kDetailHeight = 16;

QRect FrontierPlot(const QRect& area) { return area.adjusted(kAxisRoom, kMargin + 16, -kMargin - 8, -36); }

// Grid values at round steps covering [low, high].
std::vector<double> GridValues(double low, double high) {
  const double raw = (high - low) / kGridLines;
  const double magnitude = std::pow(10.0, std::floor(std::log10(raw)));
  double step = magnitude;
  for (const double factor : {1.0, 2.0, 2.5, 5.0, 10.0}) {
    step = factor * magnitude;
    if (step >= raw) break;
  }
  std::vector<double> values;
  for (double value = std::ceil(low / step) * step; value <= high + step * 1e-9; value += step) values.push_back(value);
  return values;
}

}  // namespace

void DrawFrontierChart(QPainter& painter, const QRect& area, const std::vector<FrontierChartPoint>& points,
                       std::optional<FrontierChartPoint> planPoint, const FrontierAxes& axes, int selected) {
  painter.fillRect(area, Qt::white);
  painter.setPen(Qt::black);
  if (points.empty()) {
    painter.drawText(area, Qt::AlignCenter | Qt::TextWordWrap, "Press Frontier to solve along a second lever.");
    return;
  }
  const QRect plot = FrontierPlot(area);
  double xLow = points.front().along, xHigh = points.back().along;
  double yLow = points.front().solved, yHigh = yLow;
  for (const FrontierChartPoint& point : points) {
    yLow = std::min(yLow, point.solved);
    yHigh = std::max(yHigh, point.solved);
  }
  if (xHigh <= xLow) xHigh = xLow + 1;
  if (yHigh <= yLow) yHigh = yLow + 1;
  // A flat line still gets a readable scale: at least 1 % of its value each way.
  const double yPad = std::max({(yHigh - yLow) * 0.05, std::fabs(yHigh) * 0.01, 0.01});
  yLow -= yPad;
  yHigh += yPad;
  const auto xAt = [&](double along) { return plot.left() + (along - xLow) / (xHigh - xLow) * plot.width(); };
  const auto yAt = [&](double solved) { return plot.bottom() - (solved - yLow) / (yHigh - yLow) * plot.height(); };
  const auto at = [&](const FrontierChartPoint& point) { return QPointF(xAt(point.along), yAt(point.solved)); };
  painter.drawText(area.left() + kMargin, area.top() + kMargin + 10, axes.solvedName);
  painter.drawText(QRect(area.left(), area.bottom() - 16, area.width(), 16), Qt::AlignCenter, axes.alongName);
  for (const double value : GridValues(yLow, yHigh)) {
    const int y = static_cast<int>(yAt(value));
    painter.setPen(QColor(225, 225, 225));
    painter.drawLine(plot.left(), y, plot.right(), y);
    painter.setPen(Qt::black);
    painter.drawText(QRect(area.left(), y - 7, kAxisRoom - 4, 14), Qt::AlignRight | Qt::AlignVCenter,
                     axes.solvedText(value));
  }
  for (const FrontierChartPoint& point : points) {
    const int x = static_cast<int>(xAt(point.along));
    painter.setPen(QColor(225, 225, 225));
    painter.drawLine(x, plot.top(), x, plot.bottom());
  }
  // Every point's own value under the axis, as many as fit side by side.
  const int labelWidth = painter.fontMetrics().horizontalAdvance(axes.alongText(points.back().along)) + 8;
  const std::size_t every = std::max<std::size_t>(
      1, static_cast<std::size_t>(std::ceil(labelWidth * static_cast<double>(points.size()) / std::max(1, plot.width()))));
  painter.setPen(Qt::black);
  for (std::size_t i = 0; i < points.size(); i += every) {
    const int x = static_cast<int>(xAt(points[i].along));
    painter.drawText(QRect(x - labelWidth / 2, plot.bottom() + 2, labelWidth, 14), Qt::AlignCenter,
                     axes.alongText(points[i].along));
  }
  painter.drawRect(plot);
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
  if (selected >= 0 && selected < static_cast<int>(points.size())) {
    const FrontierChartPoint& point = points[static_cast<std::size_t>(selected)];
    const QString text = axes.alongText(point.along) + ": " + axes.solvedText(point.solved);
    painter.setPen(QPen(Qt::black, 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(at(point), 5, 5);
    const int width = painter.fontMetrics().horizontalAdvance(text) + 10;
    const double left = std::clamp(at(point).x() - width / 2.0, double(plot.left()), double(plot.right() - width));
    const QRectF box(left, std::max<double>(plot.top(), at(point).y() - 28), width, 18);
    painter.fillRect(box, QColor(255, 255, 225));
    painter.drawRect(box);
    painter.drawText(box, Qt::AlignCenter, text);
  }
}

int FrontierPointAt(const QRect& area, const std::vector<FrontierChartPoint>& points, int x) {
  if (points.empty()) return -1;
  const QRect plot = FrontierPlot(area);
  const double xLow = points.front().along;
  const double xHigh = points.back().along > xLow ? points.back().along : xLow + 1;
  const double along = xLow + (x - plot.left()) * (xHigh - xLow) / std::max(1, plot.width());
  int nearest = 0;
  for (int i = 1; i < static_cast<int>(points.size()); ++i) {
    if (std::fabs(points[static_cast<std::size_t>(i)].along - along) <
        std::fabs(points[static_cast<std::size_t>(nearest)].along - along)) {
      nearest = i;
    }
  }
  return nearest;
}

void DrawSensitivityBars(QPainter& painter, const QRect& area, const std::vector<SensitivityBar>& bars, int selected,
                         const std::function<QString(double)>& changeText) {
  painter.fillRect(area, Qt::white);
  painter.setPen(Qt::black);
  if (bars.empty()) {
    painter.drawText(area, Qt::AlignCenter | Qt::TextWordWrap, "Press Sensitivity to see which inputs matter most.");
    return;
  }
  double largest = 0.0;
  for (const SensitivityBar& bar : bars) largest = std::max({largest, std::fabs(bar.down), std::fabs(bar.up)});
  if (largest <= 0.0) largest = 1.0;
  const QRect plot = area.adjusted(kLabelWidth, 0, -kMargin - 30, -kScaleRoom);
  const double zero = plot.left() + plot.width() / 2.0;
  const double scale = (plot.width() / 2.0 - 2) / largest;
  QFont small = painter.font();
  small.setPointSizeF(small.pointSizeF() * 0.85);
  for (std::size_t i = 0; i < bars.size(); ++i) {
    const int top = area.top() + static_cast<int>(i) * kSensitivityRowHeight;
    const QRect row(area.left(), top, area.width(), kSensitivityRowHeight);
    if (static_cast<int>(i) == selected) painter.fillRect(row, QColor(220, 230, 250));
    painter.setPen(Qt::black);
    const QFont normal = painter.font();
    painter.drawText(QRect(area.left() + 2, top + 1, kLabelWidth - 8, kSensitivityRowHeight - kDetailHeight - 1),
                     Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, bars[i].label);
    painter.setFont(small);
    painter.setPen(QColor(70, 70, 70));
    painter.drawText(QRect(area.left() + 2, top + kSensitivityRowHeight - kDetailHeight, area.width() - 4, kDetailHeight),
                     Qt::AlignLeft | Qt::AlignVCenter, bars[i].detail);
    painter.setFont(normal);
    const int barHeight = kSensitivityRowHeight / 5;
    const int barTop = top + 4;
    for (const auto& [change, color, offset] : {std::tuple{bars[i].down, QColor(230, 140, 40), 0},
                                                std::tuple{bars[i].up, QColor(40, 100, 200), barHeight}}) {
      const double end = zero + change * scale;
      painter.fillRect(QRectF(std::min(zero, end), barTop + offset, std::fabs(end - zero), barHeight), color);
    }
  }
  const int bottom = area.top() + static_cast<int>(bars.size()) * kSensitivityRowHeight;
  painter.setPen(Qt::darkGray);
  painter.drawLine(QPointF(zero, area.top()), QPointF(zero, bottom));
  painter.drawLine(QPointF(plot.left(), bottom), QPointF(plot.right(), bottom));
  painter.setPen(Qt::black);
  for (const double value : GridValues(-largest, largest)) {
    const double x = zero + value * scale;
    painter.drawLine(QPointF(x, bottom), QPointF(x, bottom + 4));
    painter.drawText(QRectF(x - 45, bottom + 4, 90, kScaleRoom - 4), Qt::AlignCenter, changeText(value));
  }
}

int SensitivityBarAt(const QRect& area, int count, int y) {
  if (count <= 0 || y < area.top()) return -1;
  const int row = (y - area.top()) / kSensitivityRowHeight;
  return row < count ? row : -1;
}
