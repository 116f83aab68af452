#pragma once

#include <string>
#include <vector>

#include "model/PlanRecord.h"

// Home figures that are allowed but almost surely mistyped, each as a
// sentence: a move beyond the forecast, a mortgage above the home's price, a
// yearly real estate tax above the home's value.
std::vector<std::string> HomeWarnings(const PlanRecord& plan);
