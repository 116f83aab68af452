#include "views/NetWorthBand.h"

#include <QPainter>
#include <QPolygonF>
#include <algorithm>

namespace {

constexpr std::size_t kLowest = 0;                          // p10
constexpr std::size_t kHighest = kBandPercents.size() - 1;  // p90

struct BandPoint {
  long double x;
  long double y;
};

// Values beyond a thousand times the axis top are held there: the band's
// visible edges move by a thousandth of a year at most, and the pixel
// arithmetic stays far from the int range.
constexpr std::int64_t kFarBeyondAxis = 1000;

BandPoint PointOf(const PlotFrame& frame, std::int64_t assetsScale, std::size_t k, const YearBands& year,
                  std::size_t band, bool currentDollars) {
  const std::int64_t limit = std::clamp<std::int64_t>(assetsScale, 1, 1'000'000) * 1000 * kFarBeyondAxis;
  const std::int64_t value = std::clamp(currentDollars ? year.current[band] : year.inflated[band], -limit, limit);
  return {static_cast<long double>(frame.X(static_cast<std::int64_t>(k))),
          static_cast<long double>(frame.Y(value, assetsScale))};
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

void FillNetWorthBand(QPainter& painter, const PlotFrame& frame, std::int64_t assetsScale,
                      const std::vector<YearBands>& years, bool currentDollars) {
  if (years.size() < 2) return;
  std::vector<BandPoint> band;
  for (std::size_t k = 0; k < years.size(); ++k) {
    band.push_back(PointOf(frame, assetsScale, k, years[k], kHighest, currentDollars));
  }
  for (std::size_t k = years.size(); k-- > 0;) {
    band.push_back(PointOf(frame, assetsScale, k, years[k], kLowest, currentDollars));
  }
  band = ClipAt(ClipAt(band, frame.top, false), frame.Bottom(), true);
  QPolygonF polygon;
  for (const BandPoint& point : band) polygon << QPointF(static_cast<double>(point.x), static_cast<double>(point.y));
  painter.save();
  painter.setClipRect(QRect(frame.left, frame.top, frame.width + 1, frame.height + 1));
  painter.setPen(Qt::NoPen);
  painter.setBrush(kNetWorthBandColour);
  painter.drawPolygon(polygon);
  painter.restore();
}
