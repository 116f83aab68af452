#include "engine/BracketFilling.h"

#include <algorithm>
#include <limits>

#include "engine/FederalBrackets.h"
#include "engine/LawYearTax.h"
#include "engine/Money.h"
#include "engine/RothAccount.h"

namespace {

struct Excess {
  std::int64_t over = 0;  // the largest return's taxable income above the top; negative: room left
  int returns = 1;
  std::int64_t top = 0;      // the top of the bracket on the return with the least room
  std::int64_t taxable = 0;  // that return's taxable income
};

// Year a's returns with `amount` more drawn, measured against the bracket's top.
Excess ExcessWith(const RunFactors& run, ForecastTable& table, int a, std::int32_t percent, std::int64_t amount) {
  table.Year(a).Conversion = amount;
  const LawYearTaxSteps steps = LawYearTaxStepsOf(run, table, a);
  Excess excess{std::numeric_limits<std::int64_t>::min(), steps.returnCount};
  for (int r = 0; r < steps.returnCount; ++r) {
    const std::int64_t top = OrdinaryBracketTop(steps.inputs[r].kind, percent, run.LawIndex(a));
    const std::int64_t over = SubMoney(steps.returns[r].taxable, top);
    if (over <= excess.over) continue;
    excess.over = over;
    excess.top = top;
    excess.taxable = steps.returns[r].taxable;
  }
  return excess;
}

// A point between a feasible draw and one that passes the top, where the
// straight line between them meets the top; strictly inside when there is room.
std::int64_t Between(std::int64_t lo, std::int64_t overLo, std::int64_t hi, std::int64_t overHi) {
  const long double share = static_cast<long double>(-overLo) / static_cast<long double>(overHi - overLo);
  const std::int64_t point = lo + static_cast<std::int64_t>(share * static_cast<long double>(hi - lo));
  return std::clamp(point, lo + 1, hi - 1);
}

}  // namespace

std::int64_t BracketRoom(const RunFactors& run, ForecastTable& table, int a, std::int32_t percent) {
  const std::int64_t saved = table.Year(a).Conversion;
  const std::int64_t available = std::max<std::int64_t>(table.Year(a).TaxDeferred, 0);
  // Taxable income rises at least as fast as the draw past the deduction, and
  // faster where benefits become taxable: a few secant steps between the last
  // draw that fits and the first that does not find the top.
  const Excess start = ExcessWith(run, table, a, percent, 0);
  table.work.FillTop = start.top;
  table.work.FillTaxableBefore = start.taxable;
  std::int64_t lo = 0;
  std::int64_t overLo = start.over;
  std::int64_t hi = -1;
  std::int64_t overHi = 0;
  std::int64_t next = MulMoney(-overLo, start.returns);
  constexpr int kSteps = 12;
  for (int step = 0; step < kSteps && overLo < 0 && lo < available; ++step) {
    next = std::min(next, available);
    if (next <= lo || (hi >= 0 && next >= hi)) break;
    const std::int64_t over = ExcessWith(run, table, a, percent, next).over;
    if (over <= 0) {
      lo = next;
      overLo = over;
    } else {
      hi = next;
      overHi = over;
    }
    if (hi < 0) {
      next = AddMoney(lo, MulMoney(-overLo, start.returns));
    } else if (hi - lo > 1) {
      next = Between(lo, overLo, hi, overHi);
    } else {
      break;
    }
  }
  table.Year(a).Conversion = saved;
  return overLo <= 0 ? lo : 0;
}

void FillBracketOrConvert(const RunFactors& run, ForecastTable& table, int a) {
  const WithdrawalPlan& strategy = run.strategy;
  table.work.FilledIntoTaxable = 0;
  if (!run.FillsInYear(a)) return;
  YearRecord& year = table.Year(a);
  std::int64_t amount = 0;
  bool convert = true;
  if (strategy.fillBracket > 0) {
    if (run.taxRules != TaxRules::Law) return;
    amount = BracketRoom(run, table, a, strategy.fillBracket);
    convert = strategy.intoRoth;
  } else if (strategy.convertAmount > 0) {
    amount = std::min(RoundMoney(static_cast<long double>(strategy.convertAmount) * run.InflationIndex(a - 1)),
                      std::max<std::int64_t>(year.TaxDeferred, 0));
  }
  if (amount <= 0) return;
  year.TaxDeferred = SubMoney(year.TaxDeferred, amount);
  if (!convert) {
    year.Distribution = AddMoney(year.Distribution, amount);
    table.work.FilledIntoTaxable = amount;
    return;
  }
  year.Conversion = amount;
  year.RothBalance = AddMoney(year.RothBalance, amount);
  table.work.RothBasis = AddMoney(table.work.RothBasis, amount);
}
