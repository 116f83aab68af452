#pragma once

#include <QPoint>
#include <array>
#include <optional>

#include "render/GraphCurves.h"
#include "render/GraphGeometry.h"

struct PlanRecord;
struct ForecastTable;

// A point of a drawn curve: curve number 1..8 and plan year index (0 = the
// current year).
struct CurvePoint {
  int curve = 0;
  int yearIndex = 0;
};

// The point of a shown curve nearest to `at` (in the drawing's pixels), when
// one lies within `reach` pixels; curves on top of the drawing win ties.
std::optional<CurvePoint> NearestCurvePoint(const PlotFrame& frame, const GraphScales& scales,
                                            const std::array<int, kCurveCount>& curveOrder, const PlanRecord& plan,
                                            const ForecastTable& table, const std::array<bool, kCurveCount>& shown,
                                            QPoint at, int reach = 12);
