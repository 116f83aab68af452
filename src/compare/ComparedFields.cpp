#include "compare/ComparedFields.h"

#include <array>

#include "compare/PlanLines.h"
#include "engine/PageTotals.h"
#include "model/PlanFile.h"

namespace {

using P = PlanRecord;

std::vector<int> Lines(std::initializer_list<PlanLineField> fields) {
  std::vector<int> lines;
  for (const PlanLineField& field : fields) lines.push_back(LineOf(field));
  return lines;
}

// Page totals the forecast recomputes before it starts (the expense summary
// refresh) or never reads; their stored values change no forecast.
std::vector<int> DerivedLines() {
  return Lines({&P::SummaryHome,
                &P::SummaryAuto,
                &P::SummaryMedical,
                &P::SummaryCommunication,
                &P::SummaryEntertainment,
                &P::SummaryFood,
                &P::SummaryEducation,
                &P::SummaryOther,
                &P::ExpenseTotal,
                &P::DebtPayment,
                &P::CurrentHomeEquity,
                &P::CurrentNetWorth,
                &P::SocialSecurityTax1,
                &P::MedicareTax1,
                &P::SocialSecurityTax2,
                &P::MedicareTax2,
                &P::TaxTotal,
                &P::HomeMortgageOrRent,
                &P::HomeRealEstateTax,
                &P::HomeTotal,
                &P::AutoTotal});
}

std::vector<int> TextLines() {
  return Lines({&P::Name1, &P::Name2, &P::OtherTitle1, &P::OtherTitle2, &P::OtherTitle3, &P::OtherTitle4,
                &P::OtherTitle5, &P::EventTitle1, &P::EventTitle2, &P::EventTitle3, &P::EventTitle4, &P::EventTitle5});
}

std::array<FieldRole, kPlanFieldCount> MakeRoles() {
  std::array<FieldRole, kPlanFieldCount> roles;
  roles.fill(FieldRole::Input);
  roles[static_cast<std::size_t>(LineOf(&P::PlanFileName))] = FieldRole::Identity;
  for (int line : TextLines()) roles[static_cast<std::size_t>(line)] = FieldRole::Text;
  for (int line : DerivedLines()) roles[static_cast<std::size_t>(line)] = FieldRole::Derived;
  for (const StoredTotal& total : StoredTotals()) roles[static_cast<std::size_t>(total.line)] = FieldRole::StoredTotal;
  return roles;
}

std::int64_t OtherAnnualTotalOf(PlanRecord& scratch) {
  RecomputeOtherTotal(scratch);
  return scratch.OtherAnnualTotal;
}

std::vector<int> OtherAmounts() {
  return Lines({&P::OtherAmount1, &P::OtherAmount2, &P::OtherAmount3, &P::OtherAmount4, &P::OtherAmount5});
}

std::vector<int> OtherTotalEntries() {
  std::vector<int> lines = OtherAmounts();
  const std::vector<int> events =
      Lines({&P::EventYear1, &P::EventYear2, &P::EventYear3, &P::EventYear4, &P::EventYear5, &P::EventAmount1,
             &P::EventAmount2, &P::EventAmount3, &P::EventAmount4, &P::EventAmount5, &P::CurrentYear});
  lines.insert(lines.end(), events.begin(), events.end());
  return lines;
}

}  // namespace

FieldRole RoleOf(int line) {
  static const std::array<FieldRole, kPlanFieldCount> roles = MakeRoles();
  return roles.at(static_cast<std::size_t>(line));
}

const std::vector<StoredTotal>& StoredTotals() {
  static const std::vector<StoredTotal> totals = {
      {LineOf(&P::MedicalTotal),
       Lines({&P::MedPremiums1, &P::MedCopays1, &P::MedDrugs1, &P::MedOther1, &P::MedPremiums2, &P::MedCopays2,
              &P::MedDrugs2, &P::MedOther2}),
       RecomputeMedicalTotal},
      {LineOf(&P::CommunicationTotal),
       Lines({&P::HomePhone, &P::CellPhone, &P::CableTv, &P::InternetAccess, &P::ElectronicGear, &P::Software,
              &P::CommMisc}),
       RecomputeCommunicationTotal},
      {LineOf(&P::EntertainmentTotal),
       Lines({&P::Vacations, &P::Restaurants, &P::Hobbies, &P::FunMisc, &P::GiftsFamily, &P::GiftsFriends,
              &P::GiftsCharity, &P::GiftsMisc}),
       RecomputeEntertainmentTotal},
      {LineOf(&P::FoodTotal),
       Lines({&P::Groceries, &P::DryCleaning, &P::Clothes, &P::Grooming, &P::PocketCash, &P::LifeInsurance,
              &P::FoodMisc}),
       RecomputeFoodTotal},
      {LineOf(&P::OtherAnnualTotal), OtherAmounts(), OtherAnnualTotalOf},
      {LineOf(&P::OtherTotal), OtherTotalEntries(), RecomputeOtherTotal},
  };
  return totals;
}

const std::vector<FieldGroup>& FieldGroups() {
  static const std::vector<FieldGroup> groups = {
      // Adding or removing the second person brings their figures along.
      {LineOf(&P::SecondPerson),
       Lines({&P::Age2, &P::RetireAge2, &P::SocialSecurityAge2, &P::EmploymentStartAge2, &P::Salary2,
              &P::DeferredContribution2, &P::PensionAge2, &P::Pension2, &P::SocialSecurity2, &P::FederalTax2,
              &P::StateTax2, &P::SalaryGrowth2, &P::PensionCola2, &P::MedPremiums2, &P::MedCopays2, &P::MedDrugs2,
              &P::MedOther2, &P::FullRetirementBenefit2, &P::RothContribution2})},
      // An age and the amounts it starts.
      {LineOf(&P::EmploymentStartAge1), Lines({&P::Salary1, &P::DeferredContribution1, &P::RothContribution1})},
      {LineOf(&P::PensionAge1), Lines({&P::Pension1})},
      {LineOf(&P::SocialSecurityAge1), Lines({&P::SocialSecurity1, &P::FullRetirementBenefit1})},
      {LineOf(&P::EmploymentStartAge2), Lines({&P::Salary2, &P::DeferredContribution2, &P::RothContribution2})},
      {LineOf(&P::PensionAge2), Lines({&P::Pension2})},
      {LineOf(&P::SocialSecurityAge2), Lines({&P::SocialSecurity2, &P::FullRetirementBenefit2})},
      // The filing status and the income taxes entered under it.
      {LineOf(&P::FilingStatus), Lines({&P::FederalTax1, &P::StateTax1, &P::FederalTax2, &P::StateTax2})},
      // The home situation and the figures its page asks for.
      {LineOf(&P::HomeStatus),
       Lines({&P::AnnualRent, &P::HomeValue, &P::HomeTaxes, &P::MortgageBalance, &P::MortgageYears, &P::YearsToMove,
              &P::NewHomePrice, &P::NewMortgage, &P::NewHomeTaxes})},
      // A student's start year and the rest of that student's schooling.
      {LineOf(&P::EduStartYear1), Lines({&P::EduEndYear1, &P::EduCost1, &P::EduDebt1, &P::EduDebtYears1})},
      {LineOf(&P::EduStartYear2), Lines({&P::EduEndYear2, &P::EduCost2, &P::EduDebt2, &P::EduDebtYears2})},
      {LineOf(&P::EduStartYear3), Lines({&P::EduEndYear3, &P::EduCost3, &P::EduDebt3, &P::EduDebtYears3})},
      // The Roth balance and the part of it that is contributions.
      {LineOf(&P::RothBalance), Lines({&P::RothBasis})},
      // The bracket filled, where the filling goes and the ages it runs between.
      {LineOf(&P::FillBracket), Lines({&P::FillInto, &P::FillFromAge, &P::FillToAge})},
      // An event's year and its cost.
      {LineOf(&P::EventYear1), Lines({&P::EventAmount1})},
      {LineOf(&P::EventYear2), Lines({&P::EventAmount2})},
      {LineOf(&P::EventYear3), Lines({&P::EventAmount3})},
      {LineOf(&P::EventYear4), Lines({&P::EventAmount4})},
      {LineOf(&P::EventYear5), Lines({&P::EventAmount5})},
  };
  return groups;
}
