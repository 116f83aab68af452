#include <gtest/gtest.h>

#include <cstring>
#include <thread>
#include <utility>
#include <vector>

#include "GeneratedPlans.h"
#include "engine/Forecast.h"

// Forecasts share nothing: the same runs on one thread and on two give the
// same tables. The ThreadSanitizer build runs this too (see README).
namespace {

struct PlannedRun {
  PlanRecord plan;
  RatePath path;
};

std::vector<Forecast> RunAll(const std::vector<PlannedRun>& runs, int threads) {
  std::vector<Forecast> results(runs.size());
  std::vector<std::thread> workers;
  for (int t = 0; t < threads; ++t) {
    workers.emplace_back([&runs, &results, t, threads] {
      for (std::size_t i = static_cast<std::size_t>(t); i < runs.size(); i += static_cast<std::size_t>(threads)) {
        results[i] = ForecastInView(runs[i].plan, runs[i].path, i % 3 == 0);
      }
    });
  }
  for (std::thread& worker : workers) worker.join();
  return results;
}

TEST(ParallelForecastTest, OneAndTwoThreadsGiveTheSameTables) {
  enginetest::SensiblePlans plans(2024);
  std::vector<PlannedRun> runs;
  for (int i = 0; i < 1000; ++i) {
    PlanRecord plan = plans.Next();
    RatePath path = i % 2 == 0 ? RatePath::FromPlan(plan) : plans.NextPath(plan, kForecastRows);
    runs.push_back({std::move(plan), path});
  }
  const std::vector<Forecast> single = RunAll(runs, 1);
  const std::vector<Forecast> twin = RunAll(runs, 2);
  for (std::size_t i = 0; i < runs.size(); ++i) {
    for (int a = 1; a <= kForecastRows; ++a) {
      const auto& one = single[i].table.Year(a);
      const auto& two = twin[i].table.Year(a);
      ASSERT_EQ(std::memcmp(&one, &two, sizeof one), 0) << "run " << i << ", row " << a;
    }
    ASSERT_EQ(single[i].updates, twin[i].updates) << i;
  }
}

}  // namespace
