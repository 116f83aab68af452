#pragma once

#include <string>

#include "markets/MarketHistory.h"

// The US market history that ships inside the program (sources and checks in
// docs/market-history.md): nominal percent per calendar year of consumer price
// inflation, large US stocks, 10-year Treasury bonds and home prices.
const char* BuiltInHistoryText();
const MarketHistory& BuiltInHistory();
// "US history 1928-2025 (built in)": how outputs and the odds page name it.
std::string BuiltInHistoryName();
// "US history 1928-2025", for settings derived from it.
std::string BuiltInHistorySpan();
