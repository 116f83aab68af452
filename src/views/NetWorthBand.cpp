#include "views/NetWorthBand.h"

#include <QPainter>
#include <QPolygon>
#include <algorithm>

namespace {

constexpr std::size_t kLowest = 0;                          // p10
constexpr std::size_t kHighest = kBandPercents.size() - 1;  // p90

// Far enough outside the box that clamping changes no visible pixel, near
// enough that the rasterizer's fixed-point coordinates cannot overflow.
constexpr int kFarOutside = 1'000'000;

QPoint BandPoint(const PlotFrame& frame, std::int64_t assetsScale, std::size_t k, const YearBands& year,
                 std::size_t band, bool currentDollars) {
  const std::int64_t value = currentDollars ? year.current[band] : year.inflated[band];
  const int y = std::clamp(frame.Y(value, assetsScale), frame.top - kFarOutside, frame.Bottom() + kFarOutside);
  return {frame.X(static_cast<std::int64_t>(k)), y};
}

}  // namespace

void FillNetWorthBand(QPainter& painter, const PlotFrame& frame, std::int64_t assetsScale,
                      const std::vector<YearBands>& years, bool currentDollars) {
  if (years.size() < 2) return;
  QPolygon band;
  for (std::size_t k = 0; k < years.size(); ++k) {
    band << BandPoint(frame, assetsScale, k, years[k], kHighest, currentDollars);
  }
  for (std::size_t k = years.size(); k-- > 0;) band << BandPoint(frame, assetsScale, k, years[k], kLowest, currentDollars);
  painter.save();
  painter.setClipRect(QRect(frame.left, frame.top, frame.width + 1, frame.height + 1));
  painter.setPen(Qt::NoPen);
  painter.setBrush(kNetWorthBandColour);
  painter.drawPolygon(band);
  painter.restore();
}
