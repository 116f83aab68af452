#include "model/RateRange.h"

bool RateInRange(long double percent) { return percent > kLowestRatePercent && percent <= kHighestRatePercent; }

std::string RateRangeText() { return "above -100 and at most 1,000 percent"; }
