#pragma once

#include <cstdint>

#include "legacy/LegacyPlan.h"

// Today's engine kept unchanged for comparisons and timing.
namespace legacy {

// Totals the data-entry pages derive from their entries. Each Recompute...
// function stores the total in its plan field and returns it; pages call the
// one that belongs to their Update command, read-back or fill. All sums
// saturate at the 64-bit range.

// Category pages.
std::int64_t RecomputeMedicalTotal(PlanRecord& plan);
std::int64_t RecomputeCommunicationTotal(PlanRecord& plan);
std::int64_t RecomputeEntertainmentTotal(PlanRecord& plan);
std::int64_t RecomputeFoodTotal(PlanRecord& plan);

// Automobile page read-back. Clears CarReplaceCost2 (and 3) when that car's
// years had plus years left is 0, then adds the operating costs and the
// replacement cost of every car whose years left is 0.
std::int64_t RecomputeAutoTotal(PlanRecord& plan);

// Home page: HomeRealEstateTax from HomeTaxes, then HomeTotal (the five
// entries, HomeMortgageOrRent and HomeRealEstateTax). Returns HomeTotal.
std::int64_t RecomputeHomeTotal(PlanRecord& plan);

// Special events and other page: OtherAnnualTotal (the five annual amounts),
// then OtherTotal (plus the events dated CurrentYear). Returns OtherTotal.
std::int64_t RecomputeOtherTotal(PlanRecord& plan);

// Annual costs of the students whose schooling starts in CurrentYear.
std::int64_t RecomputeSummaryEducation(PlanRecord& plan);

// Payment on CurrentDebt over DebtYears at MortgageRate (the whole debt when
// DebtYears < 1). ComputeDebtPayment only returns it (the assets page raises
// DebtPayment to it); RecomputeDebtPayment stores it.
std::int64_t ComputeDebtPayment(PlanRecord& plan);
std::int64_t RecomputeDebtPayment(PlanRecord& plan);

// Taxes page: this year's Social Security and Medicare taxes of each person
// employed now (EmploymentStartAge = Age), then TaxTotal. Returns TaxTotal.
std::int64_t RecomputeCurrentFica(PlanRecord& plan);

// FICA amounts plus FederalTax1 and StateTax1, plus FederalTax2 and StateTax2
// when the persons file separately (FilingStatus 3 or 4).
std::int64_t RecomputeTaxTotal(PlanRecord& plan);

// Assets page: CurrentHomeEquity (0 unless the home is owned now), then
// CurrentNetWorth. Returns CurrentNetWorth.
std::int64_t RecomputeCurrentNetWorth(PlanRecord& plan);

// The eight summary lines + DebtPayment + TaxTotal.
std::int64_t RecomputeExpenseTotal(PlanRecord& plan);

// The expense summary refresh, in its fixed order: DebtPayment, HomeTotal,
// FICA and TaxTotal, SummaryEducation, the summary lines copied from the
// stored category totals, ExpenseTotal. The expense summary page runs it as its
// fill; the forecast runs it before building the first year.
void RefreshExpenseSummary(PlanRecord& plan);

}  // namespace legacy
