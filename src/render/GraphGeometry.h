#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "render/GraphCurves.h"

struct PlanRecord;
struct ForecastTable;

// Nearest whole pixel, halves to the even neighbour; saturates at the int range.
int RoundPixel(long double value);

// The value at the top of an axis, in thousands of dollars, for the largest
// value shown on it: 5, 10, then 125, 250, 500, 1000 times a power of ten,
// at most 1,000,000.
std::int64_t AxisMaximum(std::int64_t maximum);

// Axis tops in thousands of dollars: left (curves 1-4) and right (curves 5-8).
struct GraphScales {
  std::int64_t assets = 5;
  std::int64_t cashFlow = 5;
};

// The largest value of the shown curves over the plan years, on each axis,
// in dollars (0 when none is positive).
struct CurveMaxima {
  std::int64_t assets = 0;
  std::int64_t cashFlow = 0;
};
CurveMaxima ShownCurveMaxima(const PlanRecord& plan, const ForecastTable& table,
                             const std::array<bool, kCurveCount>& shown);

// Scales from the plan years of the table, counting only the shown curves.
GraphScales ComputeScales(const PlanRecord& plan, const ForecastTable& table,
                          const std::array<bool, kCurveCount>& shown);

// Text of axis label k (0 at the top .. 6 at the bottom) for an axis top in
// thousands: the top, 80 %, ..., zero, -20 %.
std::string AxisLabelText(std::int64_t scale, int k);

// Number of decades on the age axis and the age it starts at. Ages that no
// page allows (90 and above, or below 0) still give at least one decade and
// a start age from 0 to 80.
int DecadeCount(std::int32_t age1);
int StartAge(std::int32_t age1);
// Whether plan year index k lies on the age axis of a plan for a first person aged `age1`.
bool OnAgeAxis(std::int32_t age1, std::int64_t k);

// The plot box of one drawing and the mapping of years and dollars to pixels.
struct PlotFrame {
  int left = 90;
  int top = 50;
  int width = 0;   // plot width PW
  int height = 0;  // plot height PH
  std::int32_t age1 = 30;
  int decades = 1;
  int startAge = 80;

  int Right() const { return left + width; }
  int Bottom() const { return top + height; }
  int RowStep() const;          // round(PH / 6): one axis label step
  int MinorRowStep() const;     // round(PH / 30)
  int DecadeStep() const;       // round(PW / decades)
  int MinorDecadeStep() const;  // round(PW / decades / 5)
  // x of plan year index k (0 = the current year).
  int X(std::int64_t k) const;
  // y of a value in dollars on an axis whose top is `scale` thousands.
  // Both saturate at the int range for points far off the plot.
  int Y(std::int64_t value, std::int64_t scale) const;
};

PlotFrame MakePlotFrame(int left, int top, int width, int height, std::int32_t age1);
