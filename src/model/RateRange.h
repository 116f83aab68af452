#pragma once

#include <string>

// The rates a plan, a rate file or the assumptions page may hold, in percent.
// At -100 % or below nothing is left of a value after a year; above 1,000 %
// every amount reaches the largest figure within a few years. No household
// plans with either, so a value outside is a mistyped or corrupted one.
inline constexpr long double kLowestRatePercent = -100.0L;   // excluded
inline constexpr long double kHighestRatePercent = 1000.0L;  // included

bool RateInRange(long double percent);

// "above -100 and at most 1,000 percent", for messages and help.
std::string RateRangeText();
