#include "model/PlanFileLayout.h"

namespace {

// Refuses to compile unless every line has its field.
template <typename... Fields>
std::array<PlanLineField, kPlanFileLines> MakeLayout(Fields... fields) {
  static_assert(sizeof...(Fields) == kPlanFileLines);
  return {PlanLineField(fields)...};
}

}  // namespace

const std::array<PlanLineField, kPlanFileLines>& PlanFileLayout() {
  using P = PlanRecord;
  static const std::array<PlanLineField, kPlanFileLines> layout = MakeLayout(
      &P::PlanFileName, &P::SecondPerson,
      &P::Name1, &P::Age1, &P::RetireAge1, &P::SocialSecurityAge1,
      &P::Name2, &P::Age2, &P::RetireAge2, &P::SocialSecurityAge2,
      &P::SummaryHome, &P::SummaryAuto, &P::SummaryMedical, &P::SummaryCommunication,
      &P::SummaryEntertainment, &P::SummaryFood, &P::SummaryEducation, &P::SummaryOther,
      &P::ExpenseTotal,
      &P::EmploymentStartAge1, &P::Salary1, &P::DeferredContribution1, &P::PensionAge1,
      &P::Pension1, &P::SocialSecurity1,
      &P::EmploymentStartAge2, &P::Salary2, &P::DeferredContribution2, &P::PensionAge2,
      &P::Pension2, &P::SocialSecurity2,
      &P::AnnualRent,
      &P::TaxableBalance, &P::TaxDeferredBalance, &P::CurrentDebt, &P::DebtPayment, &P::DebtYears,
      &P::CurrentHomeEquity, &P::CurrentNetWorth,
      &P::FilingStatus,
      &P::FederalTax1, &P::StateTax1, &P::SocialSecurityTax1, &P::MedicareTax1,
      &P::FederalTax2, &P::StateTax2, &P::SocialSecurityTax2, &P::MedicareTax2,
      &P::TaxTotal,
      &P::CurrentYear,
      &P::InflationRate, &P::MortgageRate, &P::RealEstateGrowth, &P::TaxableReturn,
      &P::TaxDeferredReturn, &P::SalaryGrowth1, &P::SalaryGrowth2, &P::PensionCola1,
      &P::PensionCola2, &P::RetirementReduction,
      &P::HomeInsurance, &P::HomeUtilities, &P::HomeSupplies, &P::HomeRepair, &P::HomeMisc,
      &P::HomeMortgageOrRent, &P::HomeRealEstateTax, &P::HomeTotal,
      &P::AutoMaintenance, &P::AutoInsurance, &P::AutoFuel,
      &P::CarYearsHad1, &P::CarYearsLeft1, &P::CarReplaceCost1,
      &P::CarYearsHad2, &P::CarYearsLeft2, &P::CarReplaceCost2,
      &P::CarYearsHad3, &P::CarYearsLeft3, &P::CarReplaceCost3,
      &P::AutoTotal,
      &P::MedPremiums1, &P::MedCopays1, &P::MedDrugs1, &P::MedOther1,
      &P::MedPremiums2, &P::MedCopays2, &P::MedDrugs2, &P::MedOther2,
      &P::MedicalTotal,
      &P::HomePhone, &P::CellPhone, &P::CableTv, &P::InternetAccess, &P::ElectronicGear,
      &P::Software, &P::CommMisc,
      &P::CommunicationTotal,
      &P::Vacations, &P::Restaurants, &P::Hobbies, &P::FunMisc,
      &P::GiftsFamily, &P::GiftsFriends, &P::GiftsCharity, &P::GiftsMisc,
      &P::EntertainmentTotal,
      &P::Groceries, &P::DryCleaning, &P::Clothes, &P::Grooming, &P::PocketCash,
      &P::LifeInsurance, &P::FoodMisc,
      &P::FoodTotal,
      &P::EduStartYear1, &P::EduEndYear1, &P::EduCost1, &P::EduDebt1, &P::EduDebtYears1,
      &P::EduStartYear2, &P::EduEndYear2, &P::EduCost2, &P::EduDebt2, &P::EduDebtYears2,
      &P::EduStartYear3, &P::EduEndYear3, &P::EduCost3, &P::EduDebt3, &P::EduDebtYears3,
      &P::OtherTitle1, &P::OtherTitle2, &P::OtherTitle3, &P::OtherTitle4, &P::OtherTitle5,
      &P::OtherAmount1, &P::OtherAmount2, &P::OtherAmount3, &P::OtherAmount4, &P::OtherAmount5,
      &P::OtherTotal,
      &P::HomeStatus,
      &P::HomeValue, &P::HomeTaxes, &P::MortgageBalance,
      &P::MortgageYears, &P::YearsToMove,
      &P::NewHomePrice, &P::NewMortgage, &P::NewHomeTaxes,
      &P::EventTitle1, &P::EventTitle2, &P::EventTitle3, &P::EventTitle4, &P::EventTitle5,
      &P::EventYear1, &P::EventYear2, &P::EventYear3, &P::EventYear4, &P::EventYear5,
      &P::EventAmount1, &P::EventAmount2, &P::EventAmount3, &P::EventAmount4, &P::EventAmount5,
      &P::OtherAnnualTotal);
  return layout;
}
