#include "views/DifferenceGrid.h"

#include <algorithm>

#include "compare/Difference.h"
#include "engine/ForecastColumns.h"
#include "model/NumberFormat.h"
#include "model/PlanRecord.h"
#include "views/YearGrid.h"

namespace {

// The position of `field` among the compared year fields.
std::size_t FieldIndex(YearField field) {
  return static_cast<std::size_t>(&ForecastColumnOf(field) - kForecastColumns.data());
}

QString CellText(const YearColumn& column, const PlanRecord& base, const YearComparison& year, bool firstMoney) {
  const std::int64_t offset = Difference(base.CurrentYear, year.year);
  switch (column.kind) {
    case YearColumn::Kind::Year:
      return QString::number(year.year);
    case YearColumn::Kind::Age1:
      return QString::number(HeldSum(base.Age1, offset));
    case YearColumn::Kind::Age2:
      return QString::number(HeldSum(base.Age2, offset));
    case YearColumn::Kind::Money:
      break;
  }
  if (year.InBoth()) return QString::fromStdString(FormatDollars(year.difference[FieldIndex(column.field)]));
  if (firstMoney) return year.inBase ? "only in base" : "only in other";
  return {};
}

}  // namespace

void FillDifferenceGrid(YearGrid& grid, const PlanRecord& base, const std::vector<YearComparison>& years) {
  grid.SetColumns(YearTableColumns(base.SecondPerson, {}));
  const int rows = static_cast<int>(std::min<std::size_t>(years.size(), 2 * kForecastRows));
  grid.SetYearCount(rows);
  const int firstMoney = grid.FirstMoneyColumn();
  for (int r = 1; r <= rows; ++r) {
    for (int c = 0; c < grid.columnCount(); ++c) {
      grid.SetCell(r, c,
                   CellText(grid.Columns()[static_cast<std::size_t>(c)], base, years[static_cast<std::size_t>(r - 1)],
                            c == firstMoney));
    }
  }
  grid.FitColumns();
}
