#include "render/GraphGeometry.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "engine/ForecastTable.h"
#include "engine/Money.h"
#include "model/NumberFormat.h"
#include "model/PlanRecord.h"

int RoundPixel(long double value) {
  if (std::isnan(value)) return 0;
  constexpr long double kMax = std::numeric_limits<int>::max();
  constexpr long double kMin = std::numeric_limits<int>::min();
  const long double rounded = std::nearbyint(std::clamp(value, kMin, kMax));
  return static_cast<int>(rounded);
}

std::int64_t AxisMaximum(std::int64_t maximum) {
  if (maximum > 1'000'000'000) return 1'000'000;
  long double q = static_cast<long double>(maximum);
  int n = 0;
  while (q > 1000.0L) {
    q /= 10.0L;
    ++n;
  }
  long double d = q < 125.0L ? 125.0L : q < 250.0L ? 250.0L : q < 500.0L ? 500.0L : 1000.0L;
  for (int i = 0; i < n; ++i) d *= 10.0L;
  if (d <= 5000.0L) {
    d = 5000.0L;
  } else if (d == 12500.0L) {
    // 12.5 thousands would not label as whole thousands.
    d = 25000.0L;
  }
  return RoundMoney(d) / 1000;
}

CurveMaxima ShownCurveMaxima(const PlanRecord& plan, const ForecastTable& table,
                             const std::array<bool, kCurveCount>& shown) {
  CurveMaxima maxima;
  const int rows = RowCount(plan);
  for (int a = 1; a <= rows; ++a) {
    for (int n = 1; n <= kCurveCount; ++n) {
      if (!shown[static_cast<std::size_t>(n - 1)]) continue;
      std::int64_t& maximum = IsAssetsCurve(n) ? maxima.assets : maxima.cashFlow;
      maximum = std::max(maximum, CurveValue(table.Year(a), n));
    }
  }
  return maxima;
}

GraphScales ComputeScales(const PlanRecord& plan, const ForecastTable& table,
                          const std::array<bool, kCurveCount>& shown) {
  const CurveMaxima maxima = ShownCurveMaxima(plan, table, shown);
  return {AxisMaximum(maxima.assets), AxisMaximum(maxima.cashFlow)};
}

std::string AxisLabelText(std::int64_t scale, int k) {
  return FormatDollars(RoundMoney((1.0L - 0.2L * k) * static_cast<long double>(scale)));
}

int DecadeCount(std::int32_t age1) {
  const std::int64_t decades = (89 - static_cast<std::int64_t>(age1)) / 10 + 1;
  return static_cast<int>(std::clamp<std::int64_t>(decades, 1, 9));
}

int StartAge(std::int32_t age1) { return 90 - 10 * DecadeCount(age1); }

bool OnAgeAxis(std::int32_t age1, std::int64_t k) {
  // Indexes this far out are off any axis; the bound keeps the sum in range.
  constexpr std::int64_t kFarOff = std::int64_t{1} << 40;
  if (k < -kFarOff || k > kFarOff) return false;
  const std::int64_t age = static_cast<std::int64_t>(age1) + k;
  return age >= StartAge(age1) && age <= 90;
}

int PlotFrame::RowStep() const { return RoundPixel(height / 6.0L); }
int PlotFrame::MinorRowStep() const { return RoundPixel(height / 30.0L); }
int PlotFrame::DecadeStep() const { return RoundPixel(static_cast<long double>(width) / decades); }
int PlotFrame::MinorDecadeStep() const { return RoundPixel(static_cast<long double>(width) / decades / 5.0L); }

namespace {

// origin + offset, held inside the int range: a point far off the plot keeps
// its direction instead of wrapping around.
int ShiftPixel(int origin, int offset) {
  const std::int64_t sum = static_cast<std::int64_t>(origin) + offset;
  return static_cast<int>(
      std::clamp<std::int64_t>(sum, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

}  // namespace

int PlotFrame::X(std::int64_t k) const {
  const long double years = static_cast<long double>(age1) + static_cast<long double>(k) - startAge;
  return ShiftPixel(left, RoundPixel(years * width / (90 - startAge)));
}

int PlotFrame::Y(std::int64_t value, std::int64_t scale) const {
  const long double top = 1000.0L * static_cast<long double>(std::max<std::int64_t>(scale, 1));
  return ShiftPixel(this->top, RoundPixel((1.0L - static_cast<long double>(value) / top) * (5.0L * height / 6.0L)));
}

PlotFrame MakePlotFrame(int left, int top, int width, int height, std::int32_t age1) {
  PlotFrame frame;
  frame.left = left;
  frame.top = top;
  frame.width = width;
  frame.height = height;
  frame.age1 = age1;
  frame.decades = DecadeCount(age1);
  frame.startAge = StartAge(age1);
  return frame;
}
