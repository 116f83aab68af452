#include "render/GraphPointPick.h"

#include <cstdlib>

#include "engine/ForecastTable.h"

std::optional<CurvePoint> NearestCurvePoint(const PlotFrame& frame, const GraphScales& scales,
                                            const std::array<int, kCurveCount>& curveOrder, const PlanRecord& plan,
                                            const ForecastTable& table, const std::array<bool, kCurveCount>& shown,
                                            QPoint at, int reach) {
  std::optional<CurvePoint> nearest;
  long long best = static_cast<long long>(reach) * reach + 1;
  const int rows = RowCount(plan);
  // Later curves are drawn on top, so they are tried first and keep a tie.
  for (auto n = curveOrder.rbegin(); n != curveOrder.rend(); ++n) {
    const int curve = *n;
    if (curve < 1 || curve > kCurveCount || !shown[static_cast<std::size_t>(curve - 1)]) continue;
    const std::int64_t scale = IsAssetsCurve(curve) ? scales.assets : scales.cashFlow;
    for (int k = 0; k < rows; ++k) {
      const long long dx = static_cast<long long>(frame.X(k)) - at.x();
      const long long dy = static_cast<long long>(frame.Y(CurveValue(table.Year(k + 1), curve), scale)) - at.y();
      if (std::llabs(dx) > reach || std::llabs(dy) > reach) continue;
      const long long distance = dx * dx + dy * dy;
      if (distance < best) {
        best = distance;
        nearest = CurvePoint{curve, k};
      }
    }
  }
  return nearest;
}
