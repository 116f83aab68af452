#include "views/DifferenceGrid.h"

#include <QTableWidget>
#include <algorithm>

#include "compare/Difference.h"
#include "engine/ForecastColumns.h"
#include "model/NumberFormat.h"
#include "model/PlanRecord.h"
#include "views/PlanGrid.h"

namespace {

constexpr int kNetWorthColumn = 1;

// The position of `field` among the compared year fields.
std::size_t FieldIndex(std::int64_t YearRecord::*field) {
  return static_cast<std::size_t>(&ForecastColumnOf(field) - kForecastColumns.data());
}

}  // namespace

void FillDifferenceGrid(QTableWidget& grid, const PlanRecord& base, const std::vector<YearComparison>& years) {
  const int rows = static_cast<int>(std::min<std::size_t>(years.size(), 2 * kForecastRows));
  grid.setRowCount(rows);
  for (int r = 1; r <= rows; ++r) {
    const YearComparison& year = years[static_cast<std::size_t>(r - 1)];
    const std::int64_t age = HeldSum(base.Age1, Difference(base.CurrentYear, year.year));
    SetPlanCell(grid, r, kAgeColumn, QString::number(age));
    for (int c = 1; c < kPlanColumnCount; ++c) {
      const auto field = kPlanColumns[static_cast<std::size_t>(c)].field;
      QString text;
      if (year.InBoth() && field != nullptr) {
        text = QString::fromStdString(FormatDollars(year.difference[FieldIndex(field)]));
      } else if (!year.InBoth() && c == kNetWorthColumn) {
        text = year.inBase ? "only in base" : "only in other";
      }
      SetPlanCell(grid, r, c, text);
    }
  }
  if (rows > 0 && (grid.currentRow() < 0 || grid.currentColumn() <= kAgeColumn))
    grid.setCurrentCell(0, kNetWorthColumn, QItemSelectionModel::ClearAndSelect);
}
