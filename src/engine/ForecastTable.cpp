#include "engine/ForecastTable.h"

#include <algorithm>

#include "engine/Money.h"
#include "model/PlanRecord.h"

int RowCount(const PlanRecord& plan) {
  const std::int64_t rows = 91 - static_cast<std::int64_t>(plan.Age1);
  return static_cast<int>(std::clamp<std::int64_t>(rows, 0, kForecastRows));
}

void ResetForecastTable(ForecastTable& table) {
  table.rows.fill(YearRecord{});
  table.work = EngineWork{};
}

std::int64_t SumOverYears(const ForecastTable& table, int rows, std::int64_t YearRecord::*field) {
  std::int64_t sum = 0;
  for (int a = 1; a <= rows; ++a) sum = AddMoney(sum, table.Year(a).*field);
  return sum;
}
