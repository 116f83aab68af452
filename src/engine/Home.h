#pragma once

#include <cstdint>

#include "engine/ForecastTable.h"
#include "engine/RunFactors.h"
#include "model/PlanRecord.h"

// The household's home through the forecast: value, real-estate tax, mortgage
// and equity, the purchase or sale of the move year, and re-borrowing against
// the home to cover a shortfall.

// Year 1 from today's figures (whether a home is owned now: OwnsHomeNow).
void InitFirstYearHome(const RunFactors& run, ForecastTable& table);

// Home step of year a >= 2: Mortgage, MortgagePayment, Property, PropertyTax
// and HomeEquity of the year, by HomeStatus and the move year.
void UpdateHome(const RunFactors& run, ForecastTable& table, int a);

// One year of an owned home: re-borrowing of last year's HomeEquityBorrowing,
// the level payment, property tax, growth and equity.
void UpdateOwnedHome(const RunFactors& run, ForecastTable& table, int a);

// Cash of the purchase in year j (the year before the move): the price grown
// to year j less the new mortgage inflated to year j.
std::int64_t HomeDownPayment(const RunFactors& run, std::int64_t j);

// Net proceeds of selling the home owned in year j, after year j's payment.
std::int64_t HomeSaleProceeds(const ForecastTable& table, int j);
