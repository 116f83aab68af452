#include "legacy/ForecastTable.h"

#include <algorithm>

#include "legacy/LegacyPlan.h"

// Today's engine kept unchanged for comparisons and timing.
namespace legacy {

int RowCount(const PlanRecord& plan) {
  const std::int64_t rows = 91 - static_cast<std::int64_t>(plan.Age1);
  return static_cast<int>(std::clamp<std::int64_t>(rows, 0, kForecastRows));
}

void ResetForecastTable(ForecastTable& table) {
  table.rows.fill(YearRecord{});
  table.work = EngineWork{};
}

}  // namespace legacy
