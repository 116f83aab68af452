#include "views/ExplainModel.h"

#include "engine/ForecastColumns.h"

ExplainModel::ExplainModel(const PlanRecord& plan, const RatePath& path)
    : forecast_(plan, path), firstYear_(plan.CurrentYear) {}

bool ExplainModel::Select(const std::string& field, std::int64_t year, bool currentDollars) {
  const ForecastColumn* column = FindForecastColumn(field);
  const std::int64_t a = year - firstYear_ + 1;
  if (!column || a < 1 || a > forecast_.Rows()) return false;
  const int slot = static_cast<int>(column - kForecastColumns.data());
  current_ = forecast_.Explain(static_cast<int>(a), slot, currentDollars, 0);
  return true;
}

int ExplainModel::NodeOf(const ExplainItem& item) {
  if (item.slot < 0 || item.row < 1) return -1;
  return (item.row - 1) * kExplainSlots + item.slot;
}
