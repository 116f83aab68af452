#include "engine/PlanUpdates.h"

namespace {

// Applies `copy(updateField, planField)` to every pair, so reading and
// writing back cannot drift apart.
template <typename Updates, typename Plan, typename Copy>
void ForEachField(Updates& u, Plan& p, Copy copy) {
  copy(u.MortgageRate, p.MortgageRate);
  copy(u.DebtPayment, p.DebtPayment);
  copy(u.HomeRealEstateTax, p.HomeRealEstateTax);
  copy(u.HomeTotal, p.HomeTotal);
  copy(u.SocialSecurityTax1, p.SocialSecurityTax1);
  copy(u.SocialSecurityTax2, p.SocialSecurityTax2);
  copy(u.MedicareTax1, p.MedicareTax1);
  copy(u.MedicareTax2, p.MedicareTax2);
  copy(u.TaxTotal, p.TaxTotal);
  copy(u.SummaryEducation, p.SummaryEducation);
  copy(u.SummaryHome, p.SummaryHome);
  copy(u.SummaryAuto, p.SummaryAuto);
  copy(u.SummaryMedical, p.SummaryMedical);
  copy(u.SummaryCommunication, p.SummaryCommunication);
  copy(u.SummaryEntertainment, p.SummaryEntertainment);
  copy(u.SummaryFood, p.SummaryFood);
  copy(u.SummaryOther, p.SummaryOther);
  copy(u.ExpenseTotal, p.ExpenseTotal);
}

}  // namespace

PlanUpdates PlanUpdatesOf(const PlanRecord& plan) {
  PlanUpdates updates;
  ForEachField(updates, plan, [](auto& field, const auto& value) { field = value; });
  return updates;
}

void WriteBack(const PlanUpdates& updates, PlanRecord& plan) {
  ForEachField(updates, plan, [](const auto& value, auto& field) { field = value; });
}
