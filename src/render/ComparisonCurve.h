#pragma once

#include <QString>
#include <cstdint>
#include <vector>

class QPainter;
struct PlotFrame;

// Dashes and gaps of the comparison curve, in dash units (one pixel on screen).
inline constexpr int kComparisonDash = 4;
inline constexpr int kComparisonGap = 3;

// Another plan's net worth on the graph: values in whole dollars, the first
// at plan year index `firstIndex` of the graph (the curves line up by
// calendar year).
struct ComparisonSeries {
  std::int64_t firstIndex = 0;
  std::vector<std::int64_t> values;
  // Dots instead of dashes, so a second such curve (a stress test) reads apart.
  bool dotted = false;
  // What the readout calls the curve ("Stress test"); the compared plan when empty.
  QString label = {};
};

// Dots and gaps of the dotted variant, in dash units.
inline constexpr int kStressDot = 1;
inline constexpr int kStressGap = 2;

// A dashed polyline in the net worth colour through the series on the assets
// axis whose top is `assetsScale` thousands. Years off the axis or outside the
// age axis (the other plan may cover other years) break the curve;
// `lineOffset` doubles the line that many pixels lower (the thick line of the
// target, 0 for one line); `dashUnit` pixels make one unit of the dash
// pattern, so the dashes keep their length on paper. No markers, so it reads
// apart from the plan's own curve.
void DrawComparisonCurve(QPainter& painter, const PlotFrame& frame, std::int64_t assetsScale,
                         const ComparisonSeries& series, int lineOffset, int dashUnit = 1);
