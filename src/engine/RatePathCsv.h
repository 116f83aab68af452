#pragma once

#include <cstdint>
#include <istream>
#include <optional>
#include <string>

#include "engine/RatePath.h"

// A rate path read from a CSV file: the header
//   Year,Inflation,TaxableReturn,TaxDeferredReturn,RealEstateGrowth
// then one row per forecast year from the plan's current year on, rates in
// percent as the plan holds them. Rows past the forecast are ignored; a file
// may stop before the forecast does (yearsGiven says where).
struct RatePathRead {
  std::optional<RatePath> path;
  std::string message;  // why there is no path: names the file and the line
  int yearsGiven = 0;   // rows read, at most the years asked for
};

inline constexpr const char* kRatePathHeader = "Year,Inflation,TaxableReturn,TaxDeferredReturn,RealEstateGrowth";

// `years` rows are needed, the first for `firstYear`.
RatePathRead ReadRatePathCsv(const std::string& fileName, std::int64_t firstYear, int years);
RatePathRead ReadRatePathCsv(std::istream& in, const std::string& fileName, std::int64_t firstYear, int years);

// The first `years` rows of `path` as a file the reader takes back, the first
// for `firstYear`, each rate written so that it reads back exactly.
std::string RatePathCsvText(const RatePath& path, std::int64_t firstYear, int years);
