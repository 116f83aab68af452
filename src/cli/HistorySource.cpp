#include "cli/HistorySource.h"

#include <cstdio>

#include "model/ReadableText.h"
#include "markets/BuiltInHistory.h"

std::optional<HistorySource> LoadHistoryForCli(const std::string& path) {
  if (path.empty()) return HistorySource{BuiltInHistory(), BuiltInHistoryName(), true};
  MarketHistoryResult read = ReadMarketHistory(path);
  if (!read.ok()) {
    std::fprintf(stderr, "prevora-cli: %s\n", read.error.c_str());
    return std::nullopt;
  }
  return HistorySource{std::move(read.history), ReadableText(path), false};
}
