#pragma once

#include <cstdint>

#include "model/PlanRecord.h"

// The plan values a forecast recomputes: the expense summary refresh it runs
// first (DebtPayment, the home total, FICA and TaxTotal, the summary lines,
// ExpenseTotal) and the mortgage rate raised to its floor. The run leaves its
// input alone; callers write these back where the program keeps them.
struct PlanUpdates {
  long double MortgageRate = 0.0L;
  std::int64_t DebtPayment = 0;
  std::int64_t HomeRealEstateTax = 0;
  std::int64_t HomeTotal = 0;
  std::int64_t SocialSecurityTax1 = 0;
  std::int64_t SocialSecurityTax2 = 0;
  std::int64_t MedicareTax1 = 0;
  std::int64_t MedicareTax2 = 0;
  std::int64_t TaxTotal = 0;
  std::int64_t SummaryEducation = 0;
  std::int64_t SummaryHome = 0;
  std::int64_t SummaryAuto = 0;
  std::int64_t SummaryMedical = 0;
  std::int64_t SummaryCommunication = 0;
  std::int64_t SummaryEntertainment = 0;
  std::int64_t SummaryFood = 0;
  std::int64_t SummaryOther = 0;
  std::int64_t ExpenseTotal = 0;

  bool operator==(const PlanUpdates&) const = default;
};

// The values as a plan holds them, and the values written into a plan.
PlanUpdates PlanUpdatesOf(const PlanRecord& plan);
void WriteBack(const PlanUpdates& updates, PlanRecord& plan);
