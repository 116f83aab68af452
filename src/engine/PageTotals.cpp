#include "engine/PageTotals.h"

#include "engine/Factors.h"
#include "engine/IncomeTax.h"
#include "engine/Money.h"
#include "model/FilingStatus.h"
#include "model/HomeSituation.h"

std::int64_t RecomputeMedicalTotal(PlanRecord& plan) {
  plan.MedicalTotal = SumMoney({plan.MedPremiums1, plan.MedCopays1, plan.MedDrugs1, plan.MedOther1,
                                plan.MedPremiums2, plan.MedCopays2, plan.MedDrugs2, plan.MedOther2});
  return plan.MedicalTotal;
}

std::int64_t RecomputeCommunicationTotal(PlanRecord& plan) {
  plan.CommunicationTotal = SumMoney({plan.HomePhone, plan.CellPhone, plan.CableTv, plan.InternetAccess,
                                      plan.ElectronicGear, plan.Software, plan.CommMisc});
  return plan.CommunicationTotal;
}

std::int64_t RecomputeEntertainmentTotal(PlanRecord& plan) {
  plan.EntertainmentTotal = SumMoney({plan.Vacations, plan.Restaurants, plan.Hobbies, plan.FunMisc,
                                      plan.GiftsFamily, plan.GiftsFriends, plan.GiftsCharity, plan.GiftsMisc});
  return plan.EntertainmentTotal;
}

std::int64_t RecomputeFoodTotal(PlanRecord& plan) {
  plan.FoodTotal = SumMoney({plan.Groceries, plan.DryCleaning, plan.Clothes, plan.Grooming, plan.PocketCash,
                             plan.LifeInsurance, plan.FoodMisc});
  return plan.FoodTotal;
}

std::int64_t RecomputeAutoTotal(PlanRecord& plan) {
  // Car 1 with both periods 0 is a purchase this year; cars 2 and 3 with both
  // periods 0 are unused slots.
  if (static_cast<std::int64_t>(plan.CarYearsHad2) + plan.CarYearsLeft2 == 0) plan.CarReplaceCost2 = 0;
  if (static_cast<std::int64_t>(plan.CarYearsHad3) + plan.CarYearsLeft3 == 0) plan.CarReplaceCost3 = 0;
  plan.AutoTotal = SumMoney({plan.AutoMaintenance, plan.AutoInsurance, plan.AutoFuel,
                             plan.CarYearsLeft1 == 0 ? plan.CarReplaceCost1 : 0,
                             plan.CarYearsLeft2 == 0 ? plan.CarReplaceCost2 : 0,
                             plan.CarYearsLeft3 == 0 ? plan.CarReplaceCost3 : 0});
  return plan.AutoTotal;
}

std::int64_t RecomputeHomeTotal(PlanRecord& plan) {
  plan.HomeRealEstateTax = plan.HomeTaxes;
  plan.HomeTotal = SumMoney({plan.HomeInsurance, plan.HomeUtilities, plan.HomeSupplies, plan.HomeRepair,
                             plan.HomeMisc, plan.HomeMortgageOrRent, plan.HomeRealEstateTax});
  return plan.HomeTotal;
}

std::int64_t RecomputeOtherTotal(PlanRecord& plan) {
  plan.OtherAnnualTotal =
      SumMoney({plan.OtherAmount1, plan.OtherAmount2, plan.OtherAmount3, plan.OtherAmount4, plan.OtherAmount5});
  const std::int64_t year = plan.CurrentYear;
  plan.OtherTotal = SumMoney({plan.OtherAnnualTotal, plan.EventYear1 == year ? plan.EventAmount1 : 0,
                              plan.EventYear2 == year ? plan.EventAmount2 : 0,
                              plan.EventYear3 == year ? plan.EventAmount3 : 0,
                              plan.EventYear4 == year ? plan.EventAmount4 : 0,
                              plan.EventYear5 == year ? plan.EventAmount5 : 0});
  return plan.OtherTotal;
}

std::int64_t RecomputeSummaryEducation(PlanRecord& plan) {
  const std::int32_t year = plan.CurrentYear;
  plan.SummaryEducation = SumMoney({plan.EduStartYear1 == year ? plan.EduCost1 : 0,
                                    plan.EduStartYear2 == year ? plan.EduCost2 : 0,
                                    plan.EduStartYear3 == year ? plan.EduCost3 : 0});
  return plan.SummaryEducation;
}

namespace {

long double WageBaseIndex(const PlanRecord& plan) {
  return InflationIndex(plan, static_cast<std::int64_t>(plan.CurrentYear) - 2005);
}

void RecomputeCurrentFicaAt(PlanRecord& plan, long double wageBaseIndex) {
  const bool employed1 = plan.EmploymentStartAge1 == plan.Age1;
  const bool employed2 = plan.EmploymentStartAge2 == plan.Age2;
  plan.SocialSecurityTax1 = employed1 ? SocialSecurityTaxAt(wageBaseIndex, plan.Salary1) : 0;
  plan.MedicareTax1 = employed1 ? MedicareTax(plan.Salary1) : 0;
  plan.SocialSecurityTax2 = employed2 ? SocialSecurityTaxAt(wageBaseIndex, plan.Salary2) : 0;
  plan.MedicareTax2 = employed2 ? MedicareTax(plan.Salary2) : 0;
  RecomputeTaxTotal(plan);
}

}  // namespace

std::int64_t ComputeDebtPayment(PlanRecord& plan) {
  return RoundMoney(AnnuityFactor(plan, plan.DebtYears) * plan.CurrentDebt);
}

std::int64_t RecomputeDebtPayment(PlanRecord& plan) {
  plan.DebtPayment = ComputeDebtPayment(plan);
  return plan.DebtPayment;
}

std::int64_t RecomputeCurrentFica(PlanRecord& plan) {
  const bool employed1 = plan.EmploymentStartAge1 == plan.Age1;
  const bool employed2 = plan.EmploymentStartAge2 == plan.Age2;
  // One wage-base index serves both persons.
  const long double index = employed1 || employed2 ? WageBaseIndex(plan) : 1.0L;
  plan.SocialSecurityTax1 = employed1 ? SocialSecurityTaxAt(index, plan.Salary1) : 0;
  plan.MedicareTax1 = employed1 ? MedicareTax(plan.Salary1) : 0;
  plan.SocialSecurityTax2 = employed2 ? SocialSecurityTaxAt(index, plan.Salary2) : 0;
  plan.MedicareTax2 = employed2 ? MedicareTax(plan.Salary2) : 0;
  return RecomputeTaxTotal(plan);
}

std::int64_t RecomputeTaxTotal(PlanRecord& plan) {
  // Joint filers enter the household's income taxes under person 1.
  const bool separate = FilesAsTwoPersons(plan.FilingStatus);
  plan.TaxTotal = SumMoney({plan.FederalTax1, plan.StateTax1, plan.SocialSecurityTax1, plan.MedicareTax1,
                            plan.SocialSecurityTax2, plan.MedicareTax2, separate ? plan.FederalTax2 : 0,
                            separate ? plan.StateTax2 : 0});
  return plan.TaxTotal;
}

std::int64_t RecomputeCurrentNetWorth(PlanRecord& plan) {
  const bool owned = OwnsHomeNow(plan.HomeStatus);
  plan.CurrentHomeEquity = owned ? SubMoney(plan.HomeValue, plan.MortgageBalance) : 0;
  plan.CurrentNetWorth = SubMoney(
      SumMoney({plan.TaxableBalance, plan.TaxDeferredBalance, plan.RothBalance, plan.CurrentHomeEquity}),
      plan.CurrentDebt);
  return plan.CurrentNetWorth;
}

std::int64_t RecomputeExpenseTotal(PlanRecord& plan) {
  plan.ExpenseTotal = SumMoney({plan.SummaryHome, plan.SummaryAuto, plan.SummaryMedical, plan.SummaryCommunication,
                                plan.SummaryEntertainment, plan.SummaryFood, plan.SummaryEducation,
                                plan.SummaryOther, plan.DebtPayment, plan.TaxTotal});
  return plan.ExpenseTotal;
}

void RefreshExpenseSummary(PlanRecord& plan) {
  RaiseMortgageRateToFloor(plan);
  RefreshExpenseSummary(plan, AnnuityFactorAt(plan.MortgageRate, plan.DebtYears), WageBaseIndex(plan));
}

void RefreshExpenseSummary(PlanRecord& plan, long double debtAnnuity, long double wageBaseIndex) {
  plan.DebtPayment = RoundMoney(debtAnnuity * plan.CurrentDebt);
  RecomputeHomeTotal(plan);
  RecomputeCurrentFicaAt(plan, wageBaseIndex);
  RecomputeSummaryEducation(plan);
  // The category totals are taken as their pages last stored them.
  plan.SummaryHome = plan.HomeTotal;
  plan.SummaryAuto = plan.AutoTotal;
  plan.SummaryMedical = plan.MedicalTotal;
  plan.SummaryCommunication = plan.CommunicationTotal;
  plan.SummaryEntertainment = plan.EntertainmentTotal;
  plan.SummaryFood = plan.FoodTotal;
  plan.SummaryOther = plan.OtherTotal;
  RecomputeExpenseTotal(plan);
}
