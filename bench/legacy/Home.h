#pragma once

#include <cstdint>

#include "legacy/ForecastTable.h"
#include "legacy/LegacyPlan.h"

// Today's engine kept unchanged for comparisons and timing.
namespace legacy {

// The household's home through the forecast: value, real-estate tax, mortgage
// and equity, the purchase or sale of the move year, and re-borrowing against
// the home to cover a shortfall.

// Year 1 from today's figures (a home is owned now in HomeStatus 2, 4 and 5).
void InitFirstYearHome(PlanRecord& plan, ForecastTable& table);

// Home step of year a >= 2: Mortgage, MortgagePayment, Property, PropertyTax
// and HomeEquity of the year, by HomeStatus and the move year.
void UpdateHome(PlanRecord& plan, ForecastTable& table, int a);

// One year of an owned home: re-borrowing of last year's HomeEquityBorrowing,
// the level payment, property tax, growth and equity.
void UpdateOwnedHome(PlanRecord& plan, ForecastTable& table, int a);

// Cash of the purchase in year j (the year before the move): the price grown
// to year j less the new mortgage inflated to year j.
std::int64_t HomeDownPayment(const PlanRecord& plan, std::int64_t j);

// Net proceeds of selling the home owned in year j, after year j's payment.
std::int64_t HomeSaleProceeds(const ForecastTable& table, int j);

}  // namespace legacy
