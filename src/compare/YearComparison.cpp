#include "compare/YearComparison.h"

#include <map>

#include "compare/Difference.h"
#include "engine/ForecastColumns.h"

std::vector<YearComparison> CompareYears(const PlanRecord& base, const ForecastTable& baseTable,
                                         const PlanRecord& other, const ForecastTable& otherTable) {
  std::map<std::int64_t, YearComparison> years;
  for (int a = 1; a <= RowCount(base); ++a) {
    YearComparison& row = years[static_cast<std::int64_t>(base.CurrentYear) + a - 1];
    row.inBase = true;
    row.baseAge = static_cast<std::int64_t>(base.Age1) + a - 1;
    row.base = baseTable.Year(a);
  }
  for (int a = 1; a <= RowCount(other); ++a) {
    YearComparison& row = years[static_cast<std::int64_t>(other.CurrentYear) + a - 1];
    row.inOther = true;
    row.otherAge = static_cast<std::int64_t>(other.Age1) + a - 1;
    row.other = otherTable.Year(a);
  }
  std::vector<YearComparison> rows;
  for (auto& [year, row] : years) {
    row.year = year;
    if (row.InBoth()) {
      for (std::size_t f = 0; f < kYearFieldCount; ++f) {
        const auto member = kForecastColumns[f].field;
        row.difference[f] = Difference(row.base.*member, row.other.*member);
      }
    }
    rows.push_back(row);
  }
  return rows;
}
