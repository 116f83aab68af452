#pragma once

#include <cstdint>
#include <vector>

class QPainter;
struct PlotFrame;

// Dashes and gaps of the comparison curve, in pixels.
inline constexpr int kComparisonDash = 4;
inline constexpr int kComparisonGap = 3;

// The other plan's net worth on the graph: a dashed polyline in the net
// worth colour through `values` (whole dollars), the first at plan year index
// `firstIndex` of `frame`, on the assets axis whose top is `assetsScale`
// thousands. Years off the axis or outside the age axis (the other plan may
// cover other years) break the curve; `lineOffset` doubles the line that many pixels lower (the thick
// line of the target, 0 for one line). No markers, so it reads apart from the
// plan's own curve.
void DrawComparisonCurve(QPainter& painter, const PlotFrame& frame, std::int64_t assetsScale, std::int64_t firstIndex,
                         const std::vector<std::int64_t>& values, int lineOffset);
