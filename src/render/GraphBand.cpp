#include "render/GraphBand.h"

#include <QPainter>
#include <QPolygonF>
#include <algorithm>

#include "render/GraphGeometry.h"

namespace {

struct BandPoint {
  long double x;
  long double y;
};

// Values beyond a thousand times the axis top are held there: the band's
// visible edges move by a thousandth of a year at most, and the pixel
// arithmetic stays far from the int range.
constexpr std::int64_t kFarBeyondAxis = 1000;

BandPoint PointOf(const PlotFrame& frame, std::int64_t assetsScale, std::size_t k, std::int64_t value) {
  const std::int64_t limit = std::clamp<std::int64_t>(assetsScale, 1, 1'000'000) * 1000 * kFarBeyondAxis;
  return {static_cast<long double>(frame.X(static_cast<std::int64_t>(k))),
          static_cast<long double>(frame.Y(std::clamp(value, -limit, limit), assetsScale))};
}

// Keeps the part of the polygon on one side of the line y = limit (above it
// when `keepBelow` is false). The rasterizer works in 16.16 fixed point, so
// the band is cut to the plot's height here instead of relying on its clip.
std::vector<BandPoint> ClipAt(const std::vector<BandPoint>& polygon, long double limit, bool keepBelow) {
  const auto inside = [&](const BandPoint& p) { return keepBelow ? p.y <= limit : p.y >= limit; };
  std::vector<BandPoint> clipped;
  for (std::size_t i = 0; i < polygon.size(); ++i) {
    const BandPoint& from = polygon[i];
    const BandPoint& to = polygon[(i + 1) % polygon.size()];
    if (inside(from)) clipped.push_back(from);
    if (inside(from) != inside(to)) {
      const long double t = (limit - from.y) / (to.y - from.y);
      clipped.push_back({from.x + t * (to.x - from.x), limit});
    }
  }
  return clipped;
}

}  // namespace

void FillGraphBand(QPainter& painter, const PlotFrame& frame, std::int64_t assetsScale, const GraphBand& band) {
  const std::size_t years = std::min(band.low.size(), band.high.size());
  if (years < 2) return;
  std::vector<BandPoint> outline;
  for (std::size_t k = 0; k < years; ++k) outline.push_back(PointOf(frame, assetsScale, k, band.high[k]));
  for (std::size_t k = years; k-- > 0;) outline.push_back(PointOf(frame, assetsScale, k, band.low[k]));
  outline = ClipAt(ClipAt(outline, frame.top, false), frame.Bottom(), true);
  QPolygonF polygon;
  for (const BandPoint& point : outline) polygon << QPointF(static_cast<double>(point.x), static_cast<double>(point.y));
  painter.save();
  painter.setClipRect(QRect(frame.left, frame.top, frame.width + 1, frame.height + 1));
  painter.setPen(Qt::NoPen);
  painter.setBrush(kGraphBandColour);
  painter.drawPolygon(polygon);
  painter.restore();
}
