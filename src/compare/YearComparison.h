#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "engine/ForecastTable.h"
#include "model/PlanRecord.h"

// One calendar year of two forecasts. Plans with different ages or current
// years cover different years; a year only one of them covers has no
// differences.
struct YearComparison {
  std::int64_t year = 0;
  bool inBase = false;
  bool inOther = false;
  std::int64_t baseAge = 0;  // person 1's age in the base plan (when inBase)
  std::int64_t otherAge = 0;
  YearRecord base{};  // zero where the plan does not cover the year
  YearRecord other{};
  std::array<std::int64_t, kYearFieldCount> difference{};  // other - base, field by field

  bool InBoth() const { return inBase && inOther; }
};

// The years either forecast covers, in calendar order.
std::vector<YearComparison> CompareYears(const PlanRecord& base, const ForecastTable& baseTable,
                                         const PlanRecord& other, const ForecastTable& otherTable);
