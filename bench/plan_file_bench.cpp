#include <benchmark/benchmark.h>

#include <filesystem>
#include <sstream>
#include <string>

#include "model/PlanFile.h"
#include "model/SamplePlan.h"

namespace {

PlanRecord RichPlan() {
  PlanRecord plan;
  ResetPlan(plan, 2026);
  plan.Salary1 = 85000;
  plan.HomeValue = 3000000000LL;
  plan.InflationRate = 2.75L;
  plan.EventTitle3 = "Kitchen renovation";
  return plan;
}

// Text only: what every save and open costs apart from the disk.
void BM_PlanFileText(benchmark::State& state) {
  const PlanRecord plan = RichPlan();
  for (auto _ : state) benchmark::DoNotOptimize(PlanFileText(plan));
}
BENCHMARK(BM_PlanFileText);

void BM_ReadPlanText(benchmark::State& state) {
  const std::string text = PlanFileText(RichPlan());
  PlanRecord plan;
  for (auto _ : state) {
    std::istringstream in(text);
    benchmark::DoNotOptimize(ReadPlanText(in, plan, 2026, "bench"));
  }
}
BENCHMARK(BM_ReadPlanText);

// The whole safe save (temporary file, flush, replace) and a read back.
void BM_WriteAndReadPlanFile(benchmark::State& state) {
  const std::string path = (std::filesystem::temp_directory_path() / "prevora-bench.plan").string();
  PlanRecord plan = RichPlan();
  PlanRecord readBack;
  for (auto _ : state) {
    benchmark::DoNotOptimize(WritePlanFile(plan, path));
    benchmark::DoNotOptimize(ReadPlanFile(readBack, path, 2026));
  }
  std::filesystem::remove(path);
}
BENCHMARK(BM_WriteAndReadPlanFile)->Unit(benchmark::kMicrosecond);

}  // namespace
