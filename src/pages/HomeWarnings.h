#pragma once

#include <string>
#include <vector>

#include "model/PlanRecord.h"

// Home figures that are allowed but almost surely mistyped, each as a
// sentence: a move beyond the forecast, a mortgage above the home's price, a
// yearly real estate tax above the home's value.
std::vector<std::string> HomeWarnings(const PlanRecord& plan);

// The notice shown before the home details page is left: the warnings and the
// choice between keeping the figures (Yes) and staying to correct them (No).
std::string HomeNoticeText(const std::vector<std::string>& warnings);
