#include "compare/ComparisonSummary.h"

#include "compare/Difference.h"
#include "engine/Money.h"

namespace {

struct Figures {
  std::optional<std::int64_t> lastNetWorth;
  std::optional<std::int64_t> lastAfterTaxNetWorth;
  std::optional<std::int64_t> firstBorrowing;
  std::optional<std::int64_t> firstNewDebt;
  std::int64_t incomeTaxes = 0;
  std::int64_t expenses = 0;
};

Figures FiguresOf(const PlanRecord& plan, const ForecastTable& today) {
  Figures figures;
  const int rows = RowCount(plan);
  if (rows > 0) {
    figures.lastNetWorth = today.Year(rows).NetWorth;
    figures.lastAfterTaxNetWorth = today.Year(rows).AfterTaxNetWorth;
  }
  for (int a = 1; a <= rows; ++a) {
    const YearRecord& year = today.Year(a);
    const std::int64_t calendarYear = static_cast<std::int64_t>(plan.CurrentYear) + a - 1;
    if (!figures.firstBorrowing && year.HomeEquityBorrowing > 0) figures.firstBorrowing = calendarYear;
    if (!figures.firstNewDebt && year.UnfundedShortfall > 0) figures.firstNewDebt = calendarYear;
    figures.incomeTaxes = AddMoney(figures.incomeTaxes, year.IncomeTaxes);
    figures.expenses = AddMoney(figures.expenses, year.Expenses);
  }
  return figures;
}

SummaryLine Line(const char* key, const char* title, bool isYear, std::optional<std::int64_t> base,
                 std::optional<std::int64_t> other) {
  SummaryLine line{key, title, isYear, base, other, std::nullopt};
  if (base && other) line.difference = Difference(*base, *other);
  return line;
}

}  // namespace

std::vector<SummaryLine> SummarizeComparison(const PlanRecord& base, const ForecastTable& baseToday,
                                             const PlanRecord& other, const ForecastTable& otherToday, bool accounts) {
  const Figures b = FiguresOf(base, baseToday);
  const Figures o = FiguresOf(other, otherToday);
  std::vector<SummaryLine> lines = {
      Line("NetWorthLastYear", "Net worth in the last year", false, b.lastNetWorth, o.lastNetWorth),
      Line("FirstHomeEquityBorrowing", "First year of home-equity borrowing", true, b.firstBorrowing, o.firstBorrowing),
      Line("FirstNewDebt", "First year of new debt", true, b.firstNewDebt, o.firstNewDebt),
      Line("TotalIncomeTaxes", "Income taxes, all years", false, b.incomeTaxes, o.incomeTaxes),
      Line("TotalExpenses", "Expenses, all years", false, b.expenses, o.expenses),
  };
  // Comparisons of plans with a Roth account or a withdrawal strategy show
  // what is left after the tax the tax-deferred balance still owes.
  if (accounts) {
    lines.insert(lines.begin() + 1, Line("AfterTaxNetWorthLastYear", "After-tax net worth in the last year", false,
                                         b.lastAfterTaxNetWorth, o.lastAfterTaxNetWorth));
  }
  return lines;
}
