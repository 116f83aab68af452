#pragma once

#include <cstdint>
#include <string>
#include <vector>

// One year of market data, nominal percent.
struct MarketYear {
  std::int32_t year = 0;
  long double inflation = 0.0L;
  long double stocks = 0.0L;
  long double bonds = 0.0L;
  long double realEstate = 0.0L;  // only when the file has the column
};

struct MarketHistory {
  std::vector<MarketYear> years;  // consecutive calendar years, oldest first
  bool hasRealEstate = false;
  std::string name;  // how outputs name the data: its file, or the built-in history's name
};

struct MarketHistoryResult {
  MarketHistory history;
  std::string error;  // "FILE:LINE: what is wrong", empty on success
  bool ok() const { return error.empty(); }
};

// CSV with the header Year,Inflation,Stocks,Bonds and an optional RealEstate
// column (any order), one row per calendar year in order without gaps.
// `name` is the file name the errors quote.
MarketHistoryResult ParseMarketHistory(const std::string& text, const std::string& name);
MarketHistoryResult ReadMarketHistory(const std::string& path);
