#include "render/GraphReadout.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>
#include <cstdlib>

#include "engine/DollarViews.h"
#include "engine/ForecastTable.h"
#include "model/NumberFormat.h"
#include "model/PlanRecord.h"

namespace {

// Plan names are free text; the readout keeps them to a line's worth.
constexpr int kLongestName = 24;
constexpr int kPadding = 4;
constexpr int kGap = 8;
constexpr int kSwatch = 8;
constexpr int kDotRadius = 3;

QString ShortName(const std::string& name) {
  const QString text = QString::fromStdString(name);
  return text.size() <= kLongestName ? text : text.left(kLongestName - 1) + QChar(0x2026);
}

QString Dollars(std::int64_t value) { return QString::fromStdString(FormatDollars(value)); }

// The series' value in plan year index `k`, when it has one.
std::optional<std::int64_t> SeriesValue(const std::optional<ComparisonSeries>& series, std::int64_t k) {
  if (!series) return std::nullopt;
  const std::int64_t i = k - series->firstIndex;
  if (i < 0 || i >= static_cast<std::int64_t>(series->values.size())) return std::nullopt;
  return series->values[static_cast<std::size_t>(i)];
}

struct Line {
  QString text;
  QColor swatch;
};

std::vector<Line> Lines(const GraphInput& input, int yearIndex) {
  const PlanRecord& plan = input.plan;
  if (yearIndex < 0 || yearIndex >= RowCount(plan)) return {};
  const std::int64_t k = yearIndex;
  QString heading = QString("%1: %2 %3").arg(plan.CurrentYear + k).arg(ShortName(plan.Name1)).arg(plan.Age1 + k);
  if (plan.SecondPerson) heading += QString(", %1 %2").arg(ShortName(plan.Name2)).arg(plan.Age2 + k);
  std::vector<Line> lines{{heading, {}},
                          {QString::fromStdString(DollarViewName(input.currentDollars, plan.CurrentYear)), {}}};
  const YearRecord& year = input.table.Year(yearIndex + 1);
  for (int n = 1; n <= kCurveCount; ++n) {
    if (!input.shown[static_cast<std::size_t>(n - 1)]) continue;
    lines.push_back({CurveName(n) + ": " + Dollars(CurveValue(year, n)), CurveColour(n)});
  }
  // The compared plan's and the stress test's net worth, where their years reach.
  for (const std::optional<ComparisonSeries>* series : {&input.comparison, &input.stress}) {
    const std::optional<std::int64_t> value = SeriesValue(*series, k);
    if (!value) continue;
    const QString name = (*series)->label.isEmpty() ? "Compared plan" : (*series)->label;
    lines.push_back({name + "'s net worth: " + Dollars(*value), CurveColour(1)});
  }
  if (input.band) {
    const auto i = static_cast<std::size_t>(k);
    if (i < input.band->low.size() && i < input.band->high.size()) {
      lines.push_back(
          {"Net worth band: " + Dollars(input.band->low[i]) + " to " + Dollars(input.band->high[i]), kGraphBandColour});
    }
  }
  return lines;
}

}  // namespace

QStringList ReadoutLines(const GraphInput& input, int yearIndex) {
  QStringList texts;
  for (const Line& line : Lines(input, yearIndex)) texts << line.text;
  return texts;
}

GraphReadout MakeGraphReadout(const GraphParameters& parameters, const GraphInput& input, int yearIndex) {
  const PlotFrame& frame = parameters.frame;
  GraphReadout readout;
  readout.yearIndex = yearIndex;
  readout.x = frame.X(yearIndex);
  readout.top = frame.top;
  readout.bottom = frame.Bottom();
  for (const Line& line : Lines(input, yearIndex)) {
    readout.lines << line.text;
    readout.swatches.push_back(line.swatch);
  }
  if (readout.lines.isEmpty()) return readout;
  const YearRecord& year = input.table.Year(yearIndex + 1);
  for (int n = 1; n <= kCurveCount; ++n) {
    if (!input.shown[static_cast<std::size_t>(n - 1)]) continue;
    std::int64_t scale = IsAssetsCurve(n) ? parameters.scales.assets : parameters.scales.cashFlow;
    if (scale <= 0) scale = AxisMaximum(0);
    const std::int64_t value = CurveValue(year, n);
    // Points off the axis are not drawn, so they get no dot either.
    if (value < -200 * scale || value > 1000 * scale) continue;
    readout.dots.push_back({QPoint(readout.x, frame.Y(value, scale)), CurveColour(n)});
  }
  const std::int64_t assets = parameters.scales.assets > 0 ? parameters.scales.assets : AxisMaximum(0);
  for (const std::optional<ComparisonSeries>* series : {&input.comparison, &input.stress}) {
    const std::optional<std::int64_t> value = SeriesValue(*series, yearIndex);
    if (value && *value >= -200 * assets && *value <= 1000 * assets)
      readout.dots.push_back({QPoint(readout.x, frame.Y(*value, assets)), CurveColour(1)});
  }
  return readout;
}

std::optional<int> ReadoutYearAt(const PlotFrame& frame, int rows, QPoint at) {
  constexpr int kSlack = 6;
  const int x = at.x();
  if (x < frame.left - kSlack || x > frame.Right() + kSlack) return std::nullopt;
  if (at.y() < frame.top - kSlack || at.y() > frame.Bottom() + kSlack) return std::nullopt;
  std::optional<int> nearest;
  long long best = 0;
  for (int k = 0; k < rows; ++k) {
    if (!OnAgeAxis(frame.age1, k)) continue;
    const long long distance = std::llabs(static_cast<long long>(frame.X(k)) - x);
    if (!nearest || distance < best) {
      nearest = k;
      best = distance;
    }
  }
  return nearest;
}

std::optional<int> ReadoutYearAfterKey(std::optional<int> current, int key, int rows) {
  if (rows <= 0) return std::nullopt;
  const int last = rows - 1;
  int step = 0;
  switch (key) {
    case Qt::Key_Left:
      step = -1;
      break;
    case Qt::Key_Right:
      step = 1;
      break;
    case Qt::Key_PageUp:
      step = -5;
      break;
    case Qt::Key_PageDown:
      step = 5;
      break;
    case Qt::Key_Home:
      return 0;
    case Qt::Key_End:
      return last;
    default:
      return std::nullopt;
  }
  if (!current) return 0;
  return std::clamp(*current + step, 0, last);
}

void DrawGraphReadout(QPainter& painter, const GraphReadout& readout, const QFont& font, const QRect& area) {
  if (readout.lines.isEmpty()) return;
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing, true);
  QPen marker(QColor(96, 96, 96), 1, Qt::DashLine);
  painter.setPen(marker);
  painter.drawLine(QPointF(readout.x + 0.5, readout.top), QPointF(readout.x + 0.5, readout.bottom));
  for (const GraphReadout::Dot& dot : readout.dots) {
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(dot.colour);
    painter.drawEllipse(QPointF(dot.at) + QPointF(0.5, 0.5), kDotRadius + 0.5, kDotRadius + 0.5);
  }

  painter.setFont(font);
  const QFontMetrics metrics(font);
  int textWidth = 0;
  for (const QString& line : readout.lines) textWidth = std::max(textWidth, metrics.horizontalAdvance(line));
  const int lineHeight = metrics.height();
  const QSize box(textWidth + kSwatch + 3 * kPadding,
                  static_cast<int>(readout.lines.size()) * lineHeight + 2 * kPadding);
  int left = readout.x + kGap;
  if (left + box.width() > area.right()) left = readout.x - kGap - box.width();
  left = std::max(left, area.left());
  const int top = std::clamp(readout.top + kGap, area.top(), std::max(area.top(), area.bottom() - box.height()));
  const QRect frame(QPoint(left, top), box);
  painter.setPen(QPen(QColor(96, 96, 96), 1));
  painter.setBrush(QColor(255, 255, 255, 235));
  painter.drawRect(QRectF(frame).adjusted(0.5, 0.5, -0.5, -0.5));
  for (int i = 0; i < readout.lines.size(); ++i) {
    const int y = top + kPadding + i * lineHeight;
    const auto index = static_cast<std::size_t>(i);
    if (index < readout.swatches.size() && readout.swatches[index].isValid()) {
      painter.fillRect(QRect(left + kPadding, y + (lineHeight - kSwatch) / 2, kSwatch, kSwatch),
                       readout.swatches[index]);
    }
    painter.setPen(Qt::black);
    painter.drawText(QRect(left + 2 * kPadding + kSwatch, y, textWidth, lineHeight),
                     Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, readout.lines[i]);
  }
  painter.restore();
}
