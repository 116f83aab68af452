#pragma once

#include <optional>
#include <string>

#include "markets/MarketHistory.h"

// The market history a command runs on: the file given, or the built-in one
// when `path` is empty.
struct HistorySource {
  MarketHistory history;
  std::string name;  // the file's name, or "US history 1928-2025 (built in)"
  bool builtIn = false;
};

// Says why on stderr and gives nothing when the file cannot be used.
std::optional<HistorySource> LoadHistoryForCli(const std::string& path);
