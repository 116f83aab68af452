#include "views/FanChart.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPolygon>
#include <algorithm>
#include <cmath>

namespace {

constexpr int kLeftMargin = 64;
constexpr int kRightMargin = 16;
constexpr int kTopMargin = 28;
constexpr int kBottomMargin = 40;
constexpr int kTargetRows = 5;
// Lognormal returns give the top decile a long tail; letting it set the
// scale would flatten the median. The top is held to this many times the
// highest p75, and the band runs off the top beyond it.
constexpr long double kTopOverP75 = 2.5L;
constexpr std::size_t kP10 = 0;
constexpr std::size_t kP25 = 1;
constexpr std::size_t kP50 = 2;
constexpr std::size_t kP75 = 3;
constexpr std::size_t kP90 = 4;

// 1, 2 or 5 times a power of ten, at least a dollar: the smallest such step
// that splits `span` into at most kTargetRows rows.
long double RoundStep(long double span) {
  const long double power = std::max(1.0L, std::pow(10.0L, std::floor(std::log10(span / kTargetRows))));
  for (const long double m : {1.0L, 2.0L, 5.0L}) {
    if (m * power * kTargetRows >= span) return m * power;
  }
  return 10.0L * power;
}

QPolygon BandPolygon(const FanChartScale& scale, const std::vector<YearBands>& years, std::size_t upper,
                     std::size_t lower) {
  QPolygon polygon;
  for (const YearBands& year : years) polygon << QPoint(scale.X(year.age1), scale.Y(year.current[upper]));
  for (auto it = years.rbegin(); it != years.rend(); ++it)
    polygon << QPoint(scale.X(it->age1), scale.Y(it->current[lower]));
  return polygon;
}

void DrawGrid(QPainter& painter, const FanChartScale& scale) {
  const QFontMetrics metrics = painter.fontMetrics();
  for (long double value = scale.low; value <= scale.high + scale.step / 2; value += scale.step) {
    const int y = scale.Y(value);
    painter.setPen(std::fabs(value) < scale.step / 2 ? QColor(120, 120, 120) : QColor(225, 225, 225));
    painter.drawLine(scale.plot.left(), y, scale.plot.right(), y);
    painter.setPen(Qt::black);
    const QString label = ShortDollars(std::fabs(value) < scale.step / 2 ? 0.0L : value);
    painter.drawText(scale.plot.left() - 6 - metrics.horizontalAdvance(label), y + metrics.ascent() / 2, label);
  }
  const std::int64_t firstDecade = (scale.firstAge + 9) / 10 * 10;
  for (std::int64_t age = firstDecade; age <= scale.lastAge; age += 10) {
    const int x = scale.X(age);
    painter.setPen(QColor(225, 225, 225));
    painter.drawLine(x, scale.plot.top(), x, scale.plot.bottom());
    painter.setPen(Qt::black);
    const QString label = QString::number(age);
    painter.drawText(x - metrics.horizontalAdvance(label) / 2, scale.plot.bottom() + 4 + metrics.ascent(), label);
  }
}

void DrawLegend(QPainter& painter, const FanChartScale& scale) {
  const QFontMetrics metrics = painter.fontMetrics();
  const int y = scale.plot.top() - 10;
  int x = scale.plot.left();
  const auto entry = [&](const QColor& colour, const QString& text, bool line) {
    if (line) {
      painter.setPen(QPen(colour, 2));
      painter.drawLine(x, y - 4, x + 14, y - 4);
    } else {
      painter.fillRect(QRect(x, y - 9, 14, 10), colour);
    }
    painter.setPen(Qt::black);
    painter.drawText(x + 18, y, text);
    x += 18 + metrics.horizontalAdvance(text) + 16;
  };
  entry(kFanOuterBand, "8 in 10 trials (p10-p90)", false);
  entry(kFanInnerBand, "half the trials (p25-p75)", false);
  entry(kFanMedian, "median", true);
}

}  // namespace

int FanChartScale::X(std::int64_t age) const {
  const long double share = static_cast<long double>(age - firstAge) /
                            static_cast<long double>(std::max<std::int64_t>(lastAge - firstAge, 1));
  return plot.left() + static_cast<int>(std::lround(share * plot.width()));
}

int FanChartScale::Y(long double dollars) const {
  const long double share = (dollars - low) / std::max(high - low, 1.0L);
  return plot.bottom() - static_cast<int>(std::lround(std::clamp(share, -1.0L, 2.0L) * plot.height()));
}

FanChartScale MakeFanChartScale(const QRect& area, const std::vector<YearBands>& years) {
  FanChartScale scale;
  scale.plot = area.adjusted(kLeftMargin, kTopMargin, -kRightMargin, -kBottomMargin);
  if (years.empty()) return scale;
  scale.firstAge = years.front().age1;
  scale.lastAge = std::max(years.back().age1, scale.firstAge + 1);
  long double low = 0.0L;
  long double high = 0.0L;
  long double highP75 = 0.0L;
  for (const YearBands& year : years) {
    low = std::min(low, static_cast<long double>(year.current[kP10]));
    high = std::max(high, static_cast<long double>(year.current[kP90]));
    highP75 = std::max(highP75, static_cast<long double>(year.current[kP75]));
  }
  if (highP75 > 0.0L) high = std::min(high, kTopOverP75 * highP75);
  scale.step = RoundStep(std::max(high - low, 1.0L));
  scale.low = std::floor(low / scale.step) * scale.step;
  scale.high = std::max(std::ceil(high / scale.step) * scale.step, scale.low + scale.step);
  return scale;
}

void DrawFanChart(QPainter& painter, const QRect& area, const std::vector<YearBands>& years) {
  painter.save();
  painter.fillRect(area, Qt::white);
  if (years.empty()) {
    painter.setPen(QColor(90, 90, 90));
    painter.drawText(area, Qt::AlignCenter | Qt::TextWordWrap,
                     "Run the odds to see how net worth spreads over the years.");
    painter.restore();
    return;
  }
  const FanChartScale scale = MakeFanChartScale(area, years);
  DrawGrid(painter, scale);
  painter.setClipRect(scale.plot.adjusted(0, 0, 1, 1));
  painter.setPen(Qt::NoPen);
  painter.setBrush(kFanOuterBand);
  painter.drawPolygon(BandPolygon(scale, years, kP90, kP10));
  painter.setBrush(kFanInnerBand);
  painter.drawPolygon(BandPolygon(scale, years, kP75, kP25));
  QPolygon median;
  for (const YearBands& year : years) median << QPoint(scale.X(year.age1), scale.Y(year.current[kP50]));
  painter.setPen(QPen(kFanMedian, 2));
  painter.setBrush(Qt::NoBrush);
  painter.drawPolyline(median);
  painter.setClipping(false);
  painter.setPen(Qt::black);
  painter.drawRect(scale.plot);
  const QFontMetrics metrics = painter.fontMetrics();
  painter.drawText(
      QRect(scale.plot.left(), scale.plot.bottom() + 6 + metrics.height(), scale.plot.width(), metrics.height()),
      Qt::AlignHCenter, "Age of the first person; net worth in today's dollars");
  DrawLegend(painter, scale);
  painter.restore();
}

QString ShortDollars(long double dollars) {
  const QString sign = dollars < 0 ? "-" : "";
  const long double size = std::fabs(dollars);
  const auto shortened = [](long double value) {
    return QString::number(static_cast<double>(value), 'f', value < 10.0L && value != std::floor(value) ? 1 : 0);
  };
  if (size >= 1e9L) return sign + "$" + shortened(size / 1e9L) + "B";
  if (size >= 1e6L) return sign + "$" + shortened(size / 1e6L) + "M";
  if (size >= 1e3L) return sign + "$" + shortened(size / 1e3L) + "K";
  return sign + "$" + QString::number(static_cast<double>(size), 'f', 0);
}
