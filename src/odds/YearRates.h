#pragma once

#include <vector>

#include "engine/RatePath.h"

// One trial's rates, element 0 for the current year, one per forecast row.
using TrialRates = std::vector<YearRates>;
