#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <variant>

#include "model/PlanFile.h"
#include "model/PlanRecord.h"

// The field held by one plan file line. The kind of member decides the
// encoding: text as is, integers in decimal within their width, rates in
// general form, and the one flag (SecondPerson) as "2" or "1".
using PlanLineField = std::variant<std::string PlanRecord::*, std::int32_t PlanRecord::*,
                                   std::int64_t PlanRecord::*, long double PlanRecord::*,
                                   bool PlanRecord::*>;

// Index 0 is line 1.
const std::array<PlanLineField, kPlanFileLines>& PlanFileLayout();

// A file that ends after one of these line counts is complete; the lines after
// it keep their sample values.
inline constexpr int kPlanLinesWithoutEvents = 150;
inline constexpr int kPlanLinesWithoutOtherAnnualTotal = 165;
