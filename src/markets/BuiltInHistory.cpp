#include "markets/BuiltInHistory.h"

#include <cstdlib>
#include <cstdio>

const MarketHistory& BuiltInHistory() {
  static const MarketHistory history = [] {
    MarketHistoryResult parsed = ParseMarketHistory(BuiltInHistoryText(), "us-annual.csv");
    // The data is compiled in and checked by the tests; failing here means a broken build.
    if (!parsed.ok()) {
      std::fprintf(stderr, "built-in market history: %s\n", parsed.error.c_str());
      std::abort();
    }
    parsed.history.name = "US history " + std::to_string(parsed.history.years.front().year) + "-" +
                          std::to_string(parsed.history.years.back().year) + " (built in)";
    return parsed.history;
  }();
  return history;
}

std::string BuiltInHistorySpan() {
  const MarketHistory& history = BuiltInHistory();
  return "US history " + std::to_string(history.years.front().year) + "-" + std::to_string(history.years.back().year);
}

std::string BuiltInHistoryName() { return BuiltInHistory().name; }
