#pragma once

#include <QColor>
#include <vector>

#include "odds/OddsResult.h"
#include "render/GraphGeometry.h"

class QPainter;

// The graph's net-worth band: a light green between the odds' p10 and p90,
// drawn behind the curves so the net worth curve runs through it.
inline const QColor kNetWorthBandColour(200, 235, 200);

// Fills the p10-p90 band of `years` (element k is plan year index k, as
// OddsResult::years holds them) on the graph's assets axis, whose top is
// `assetsScale` thousands, in the dollar view the graph shows. The band is
// clipped to the plot box, so values beyond the axis do not spill over the
// labels. Fewer than two years draw nothing.
void FillNetWorthBand(QPainter& painter, const PlotFrame& frame, std::int64_t assetsScale,
                      const std::vector<YearBands>& years, bool currentDollars);
