#pragma once

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "engine/ForecastTable.h"
#include "model/PlanFile.h"
#include "model/PlanRecord.h"

namespace oddstest {

inline std::string DataPath(const std::string& name) { return std::string(PREVORA_TEST_DATA) + "/" + name; }

// The sample plan or a plan of tests/data; the test fails when it cannot be read.
inline PlanRecord LoadPlan(const std::string& path) {
  PlanRecord plan;
  const PlanFileResult read = ReadPlanFile(plan, path);
  EXPECT_TRUE(read.ok && !read.missing) << path << ": " << read.message;
  return plan;
}

inline PlanRecord SamplePlan() { return LoadPlan(DataPath("../../resources/Double.plan")); }
// Borrows against the home, empties the tax-deferred account and takes new debt.
inline PlanRecord RichPlan() { return LoadPlan(DataPath("rich_forecast.plan")); }

inline bool SameTable(const ForecastTable& a, const ForecastTable& b) {
  return std::memcmp(a.rows.data(), b.rows.data(), sizeof(a.rows)) == 0;
}

}  // namespace oddstest
