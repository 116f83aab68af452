#pragma once

#include <QImage>

#include "render/GraphCurves.h"
#include "render/GraphGeometry.h"
#include "shell/Session.h"

// The sample plan's comparison partner in the tests' data.
inline const char* const kComparedPlan = PREVORA_TEST_DATA "/double_compare.plan";

// The plot box of the graph at its first size, 506 x 574.
inline PlotFrame FirstFrame(const PlanRecord& plan) { return MakePlotFrame(90, 50, 326, 344, plan.Age1); }

// Along the compared plan's net worth, one point per pixel column wherever the
// plan's own net worth lies more than six pixels away: whether the net worth
// colour is there (on either row of the doubled line).
struct CurveTrace {
  int drawn = 0;
  int blank = 0;
};

inline CurveTrace TraceComparedCurve(const QImage& image, const Session& session, std::int64_t scale) {
  const PlotFrame frame = FirstFrame(session.plan);
  const std::vector<std::int64_t>& values = session.comparison.NetWorth(session.CurrentDollars);
  const std::int64_t first = session.comparison.FirstIndexOn(session.plan);
  CurveTrace trace;
  for (std::size_t i = 0; i + 1 < values.size(); ++i) {
    const std::int64_t k = first + static_cast<std::int64_t>(i);
    if (k < 0 || k + 2 > RowCount(session.plan)) continue;
    const int x0 = frame.X(k);
    const int x1 = frame.X(k + 1);
    for (int x = x0 + 1; x < x1; ++x) {
      const double t = static_cast<double>(x - x0) / (x1 - x0);
      const auto along = [&](std::int64_t from, std::int64_t to) {
        return frame.Y(from, scale) + t * (frame.Y(to, scale) - frame.Y(from, scale));
      };
      const double other = along(values[i], values[i + 1]);
      const double own = along(session.table.Year(static_cast<int>(k) + 1).NetWorth,
                               session.table.Year(static_cast<int>(k) + 2).NetWorth);
      if (std::abs(other - own) <= 6) continue;
      bool green = false;
      for (int dy = -1; dy <= 2; ++dy) green |= image.pixelColor(x, static_cast<int>(other) + dy) == CurveColour(1);
      ++(green ? trace.drawn : trace.blank);
    }
  }
  return trace;
}
