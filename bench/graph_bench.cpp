#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>
#include <memory>

#include "engine/Forecast.h"
#include "model/SamplePlan.h"
#include "render/GraphScreen.h"

namespace {

// Text needs a GUI application; the offscreen platform works without a display.
void EnsureGui() {
  static std::unique_ptr<QGuiApplication> app = [] {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "graph_bench";
    static char* argv[] = {name, nullptr};
    return std::make_unique<QGuiApplication>(argc, argv);
  }();
}

struct SampleForecast {
  PlanRecord plan;
  ForecastTable table;

  SampleForecast() {
    ResetPlan(plan, 2005);
    RunForecast(plan, table);
  }
  GraphInput Input() const { return {plan, table, false, {true, true, true, true, true, true, true, true}}; }
};

void DrawAt(benchmark::State& state, int width, int height, bool smoothCurves = false) {
  EnsureGui();
  const SampleForecast sample;
  const QString family = GraphFontFamily(width);
  for (auto _ : state) {
    QImage image =
        RenderScreenGraph(sample.Input(), width, height, QSize(width, height), family, nullptr, smoothCurves);
    benchmark::DoNotOptimize(image.constBits());
  }
}

void BM_DrawGraph_506x574(benchmark::State& state) { DrawAt(state, 506, 574); }
void BM_DrawGraph_1920x1080(benchmark::State& state) { DrawAt(state, 1920, 1080); }
// The graph page draws its curves anti-aliased.
void BM_DrawSmoothGraph_1920x1080(benchmark::State& state) { DrawAt(state, 1920, 1080, true); }

// What the graph page does on activation from a data page: forecast, then draw.
void BM_RefreshGraphPage_506x574(benchmark::State& state) {
  EnsureGui();
  SampleForecast sample;
  const QString family = GraphFontFamily(506);
  for (auto _ : state) {
    RunForecast(sample.plan, sample.table);
    QImage image = RenderScreenGraph(sample.Input(), 506, 574, QSize(506, 574), family);
    benchmark::DoNotOptimize(image.constBits());
  }
}

}  // namespace

BENCHMARK(BM_DrawGraph_506x574)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_DrawGraph_1920x1080)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_DrawSmoothGraph_1920x1080)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_RefreshGraphPage_506x574)->Unit(benchmark::kMicrosecond);
