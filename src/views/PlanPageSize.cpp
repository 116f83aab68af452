#include "views/PlanPageSize.h"

#include <algorithm>

#include "shell/Session.h"

QSize PlanPageHeldSize(QSize windowSize, const WindowGeometry& geometry, std::int32_t age1) {
  const int width = std::max(geometry.MinPageWidth, std::min(windowSize.width(), geometry.MaxPageWidth));
  // Never much taller than the rows the plan can show.
  std::int64_t tallest = 1930 - 20 * static_cast<std::int64_t>(age1);
  if (geometry.ScreenHeight > 0) tallest = std::min<std::int64_t>(tallest, geometry.ScreenHeight);
  const std::int64_t height =
      std::max<std::int64_t>(geometry.MinPageHeight, std::min<std::int64_t>(windowSize.height(), tallest));
  return QSize(width, static_cast<int>(height));
}
