#pragma once

#include <cstdint>

#include "engine/TaxLaw2026.h"

// The taxable part of a year's Social Security benefits by provisional income
// (other income plus half the benefits), with the law's unindexed bases; a
// married person filing separately is taken as living with the spouse (bases 0).
std::int64_t TaxableBenefits(taxlaw::TaxReturn kind, std::int64_t otherIncome, std::int64_t benefits);
