#pragma once

#include <QColor>
#include <QRect>
#include <cstdint>
#include <vector>

#include "odds/OddsResult.h"

class QPainter;

// Colours of the fan chart, shared with its legend and the tests.
inline const QColor kFanOuterBand(198, 219, 239);  // p10 - p90
inline const QColor kFanInnerBand(120, 170, 220);  // p25 - p75
inline const QColor kFanMedian(8, 48, 107);

// Where the fan chart puts ages and dollars inside its area.
struct FanChartScale {
  QRect plot;
  std::int64_t firstAge = 0;
  std::int64_t lastAge = 1;
  // Dollars at the plot's bottom and top and between grid lines; long double
  // so that the rounding out of extreme values cannot overflow.
  long double low = 0.0L;
  long double high = 1.0L;
  long double step = 1.0L;

  int X(std::int64_t age) const;
  int Y(long double dollars) const;
};

// The scale for the years' today's-dollar bands in `area`: ages along the
// bottom, a round dollar range that holds zero, every p10 and every p90 up
// to two and a half times the highest p75.
FanChartScale MakeFanChartScale(const QRect& area, const std::vector<YearBands>& years);

// Draws net worth's spread in today's dollars against person 1's age: the
// p10-p90 band, the p25-p75 band over it, the median line, axes, labels and
// a legend. With no years it says how to get some.
void DrawFanChart(QPainter& painter, const QRect& area, const std::vector<YearBands>& years);

// "$0", "$850K", "$1.2M", "-$40K": short dollar labels for axes.
QString ShortDollars(long double dollars);
