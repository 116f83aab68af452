#include "engine/RothAccount.h"

#include <algorithm>

#include "engine/Money.h"

void InitFirstYearRoth(const RunFactors& run, ForecastTable& table) {
  table.Year(1).RothBalance = run.plan.RothBalance;
  table.work.RothBasis = std::max<std::int64_t>(run.plan.RothBasis, 0);
  table.work.RothEarningsTaxed = 0;
}

void UpdateRoth(const RunFactors& run, ForecastTable& table, int a) {
  YearRecord& year = table.Year(a);
  const YearRecord& last = table.Year(a - 1);
  year.RothContribution = AddMoney(run.RothContribution(0, a), run.RothContribution(1, a));
  const std::int64_t kept = SubMoney(last.RothBalance, last.RothWithdrawal);
  year.RothBalance = AddMoney(RoundMoney(kept * run.DeferredGrowth(a - 1)), year.RothContribution);
  table.work.RothBasis = AddMoney(table.work.RothBasis, year.RothContribution);
}

void TakeFromRothBasis(const RunFactors& run, ForecastTable& table, int j) {
  const std::int64_t drawn = table.Year(j).RothWithdrawal;
  std::int64_t& basis = table.work.RothBasis;
  const std::int64_t fromBasis = std::min(std::max<std::int64_t>(drawn, 0), std::max<std::int64_t>(basis, 0));
  basis = SubMoney(basis, fromBasis);
  // The draw moves the balances next year, which taxes its earnings.
  table.work.RothEarningsTaxed = DrawnEarly(run, j + 1) ? SubMoney(drawn, fromBasis) : 0;
}

bool DrawnEarly(const RunFactors& run, int a) {
  // 59 1/2 is taken as the year person 1 turns 60; no exception is modelled.
  return run.taxRules == TaxRules::Law && static_cast<std::int64_t>(run.plan.Age1) + a - 1 < 60;
}
