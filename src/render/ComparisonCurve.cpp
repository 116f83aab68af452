#include "render/ComparisonCurve.h"

#include <QPainter>
#include <QPen>
#include <algorithm>

#include "render/GraphCurves.h"
#include "render/GraphGeometry.h"

namespace {

constexpr int kNetWorthCurve = 1;

}  // namespace

void DrawComparisonCurve(QPainter& painter, const PlotFrame& frame, std::int64_t assetsScale,
                         const ComparisonSeries& series, int lineOffset, int dashUnit) {
  const std::vector<std::int64_t>& values = series.values;
  if (values.size() < 2) return;
  // Axis tops never pass a million thousands; the bounds below stay far from overflow.
  const std::int64_t scale = assetsScale > 0 ? std::min<std::int64_t>(assetsScale, 1'000'000) : AxisMaximum(0);
  const std::int64_t top = 1000 * scale;
  const std::int64_t bottom = -200 * scale;
  const auto onAxis = [&](std::int64_t value) { return bottom <= value && value <= top; };

  painter.save();
  painter.setRenderHint(QPainter::Antialiasing, false);
  QPen pen(CurveColour(kNetWorthCurve));
  pen.setWidth(0);
  const qreal unit = std::max(dashUnit, 1);
  if (series.dotted) {
    pen.setDashPattern({kStressDot * unit, kStressGap * unit});
  } else {
    pen.setDashPattern({kComparisonDash * unit, kComparisonGap * unit});
  }
  pen.setCapStyle(Qt::FlatCap);
  painter.setPen(pen);
  // One polyline per stretch on the axis, so the dashes run on across years.
  QPolygon stretch;
  const auto flush = [&] {
    if (stretch.size() >= 2) {
      painter.drawPolyline(stretch);
      if (lineOffset != 0) painter.drawPolyline(stretch.translated(0, lineOffset));
    }
    stretch.clear();
  };
  // Where the curve leaves the axis a small arrow on the edge points the way it went.
  std::vector<QPoint> exits;
  for (std::size_t i = 0; i < values.size(); ++i) {
    const int x = frame.X(series.firstIndex + static_cast<std::int64_t>(i));
    const bool inYears = x >= frame.left && x <= frame.Right();
    if (!onAxis(values[i]) || !inYears) {
      if (inYears && (i == 0 || onAxis(values[i - 1])))
        exits.emplace_back(x, frame.Y(values[i] > top ? top : bottom, scale));
      flush();
      continue;
    }
    stretch << QPoint(x, frame.Y(values[i], scale));
  }
  flush();
  painter.setPen(Qt::NoPen);
  painter.setBrush(CurveColour(kNetWorthCurve));
  const int size = 3 * static_cast<int>(unit);
  for (const QPoint& at : exits) {
    const int away = at.y() <= frame.top ? -size : size;
    painter.drawPolygon(
        QPolygon({QPoint(at.x() - size, at.y()), QPoint(at.x() + size, at.y()), QPoint(at.x(), at.y() + away)}));
  }
  painter.restore();
}
