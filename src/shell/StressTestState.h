#pragma once

#include <string>

// The market-history start the graph draws the plan on beside its own
// forecast (File, Stress Test), or none.
struct StressTestState {
  int startYear = 0;  // 0: none chosen
  // Chosen as the worst start the historical replay found for the plan.
  bool worstStart = false;

  bool Due() const { return startYear != 0; }
  void Choose(int year, bool worst) {
    startYear = year;
    worstStart = worst;
  }
  void Clear() { Choose(0, false); }
  // "Start 1966", "Worst start 1929": the curve's name in the legend.
  std::string Name() const {
    return (worstStart ? "Worst start " : "Start ") + std::to_string(startYear);
  }
};
