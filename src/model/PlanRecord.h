#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

// The whole of one financial plan. Field names and widths are those the plan
// file, the pages and the engine share; derived fields are kept like inputs
// because the forecast uses them as stored. The member initialisers are the
// state at program start, before any plan is loaded (ResetPlan differs from it
// in the clock year and the event titles).
struct PlanRecord {
  // Plan identity
  std::string PlanFileName = "JohnSmith.plan";

  // Personal data
  bool SecondPerson = true;
  std::string Name1 = "John Smith";
  std::int32_t Age1 = 30;
  std::int32_t EmploymentStartAge1 = 0;
  std::int32_t RetireAge1 = 0;
  std::int32_t PensionAge1 = 0;
  std::int32_t SocialSecurityAge1 = 0;
  std::string Name2 = "Mary Smith";
  std::int32_t Age2 = 28;
  std::int32_t EmploymentStartAge2 = 0;
  std::int32_t RetireAge2 = 0;
  std::int32_t PensionAge2 = 0;
  std::int32_t SocialSecurityAge2 = 0;

  // Income
  std::int64_t Salary1 = 0;
  std::int64_t Salary2 = 0;
  std::int64_t DeferredContribution1 = 0;
  std::int64_t DeferredContribution2 = 0;
  std::int64_t Pension1 = 0;
  std::int64_t Pension2 = 0;
  std::int64_t SocialSecurity1 = 0;
  std::int64_t SocialSecurity2 = 0;

  // Assets
  std::int64_t TaxableBalance = 0;
  std::int64_t TaxDeferredBalance = 0;
  std::int64_t CurrentDebt = 0;
  std::int32_t DebtYears = 0;
  std::int64_t DebtPayment = 0;        // derived
  std::int64_t CurrentHomeEquity = 0;  // derived
  std::int64_t CurrentNetWorth = 0;    // derived

  // Home status
  std::int32_t HomeStatus = 1;
  std::int64_t HomeValue = 0;
  std::int64_t HomeTaxes = 0;
  std::int64_t MortgageBalance = 0;
  std::int32_t MortgageYears = 0;
  std::int32_t YearsToMove = 1;
  std::int64_t NewHomePrice = 0;
  std::int64_t NewMortgage = 0;
  std::int64_t NewHomeTaxes = 0;
  std::int64_t AnnualRent = 0;

  // Taxes
  std::int32_t FilingStatus = 2;
  std::int64_t FederalTax1 = 0;
  std::int64_t FederalTax2 = 0;
  std::int64_t StateTax1 = 0;
  std::int64_t StateTax2 = 0;
  std::int64_t SocialSecurityTax1 = 0;  // derived
  std::int64_t SocialSecurityTax2 = 0;  // derived
  std::int64_t MedicareTax1 = 0;        // derived
  std::int64_t MedicareTax2 = 0;        // derived
  std::int64_t TaxTotal = 0;            // derived

  // Assumptions (rates in percent)
  std::int32_t CurrentYear = 2005;
  long double InflationRate = 2.5L;
  long double MortgageRate = 6.0L;
  long double RealEstateGrowth = 1.5L;
  long double TaxableReturn = 1.5L;
  long double TaxDeferredReturn = 3.0L;
  long double SalaryGrowth1 = 1.0L;
  long double SalaryGrowth2 = 1.0L;
  long double PensionCola1 = 0.0L;
  long double PensionCola2 = 0.0L;
  long double RetirementReduction = 10.0L;

  // Expense summary (all derived, this year's amounts)
  std::int64_t SummaryHome = 0;
  std::int64_t SummaryAuto = 0;
  std::int64_t SummaryMedical = 0;
  std::int64_t SummaryCommunication = 0;
  std::int64_t SummaryEntertainment = 0;
  std::int64_t SummaryFood = 0;
  std::int64_t SummaryEducation = 0;
  std::int64_t SummaryOther = 0;
  std::int64_t ExpenseTotal = 0;

  // Home expenses
  std::int64_t HomeInsurance = 0;
  std::int64_t HomeUtilities = 0;
  std::int64_t HomeSupplies = 0;
  std::int64_t HomeRepair = 0;
  std::int64_t HomeMisc = 0;
  std::int64_t HomeMortgageOrRent = 0;  // derived
  std::int64_t HomeRealEstateTax = 0;   // derived
  std::int64_t HomeTotal = 0;           // derived

  // Automobile
  std::int64_t AutoMaintenance = 0;
  std::int64_t AutoInsurance = 0;
  std::int64_t AutoFuel = 0;
  std::int32_t CarYearsHad1 = 0;
  std::int32_t CarYearsLeft1 = 0;
  std::int64_t CarReplaceCost1 = 0;
  std::int32_t CarYearsHad2 = 0;
  std::int32_t CarYearsLeft2 = 0;
  std::int64_t CarReplaceCost2 = 0;
  std::int32_t CarYearsHad3 = 0;
  std::int32_t CarYearsLeft3 = 0;
  std::int64_t CarReplaceCost3 = 0;
  std::int64_t AutoTotal = 0;  // derived

  // Medical
  std::int64_t MedPremiums1 = 0;
  std::int64_t MedCopays1 = 0;
  std::int64_t MedDrugs1 = 0;
  std::int64_t MedOther1 = 0;
  std::int64_t MedPremiums2 = 0;
  std::int64_t MedCopays2 = 0;
  std::int64_t MedDrugs2 = 0;
  std::int64_t MedOther2 = 0;
  std::int64_t MedicalTotal = 0;  // derived

  // Communications
  std::int64_t HomePhone = 0;
  std::int64_t CellPhone = 0;
  std::int64_t CableTv = 0;
  std::int64_t InternetAccess = 0;
  std::int64_t ElectronicGear = 0;
  std::int64_t Software = 0;
  std::int64_t CommMisc = 0;
  std::int64_t CommunicationTotal = 0;  // derived

  // Entertainment and gifts
  std::int64_t Vacations = 0;
  std::int64_t Restaurants = 0;
  std::int64_t Hobbies = 0;
  std::int64_t FunMisc = 0;
  std::int64_t GiftsFamily = 0;
  std::int64_t GiftsFriends = 0;
  std::int64_t GiftsCharity = 0;
  std::int64_t GiftsMisc = 0;
  std::int64_t EntertainmentTotal = 0;  // derived

  // Food and personal
  std::int64_t Groceries = 0;
  std::int64_t DryCleaning = 0;
  std::int64_t Clothes = 0;
  std::int64_t Grooming = 0;
  std::int64_t PocketCash = 0;
  std::int64_t LifeInsurance = 0;
  std::int64_t FoodMisc = 0;
  std::int64_t FoodTotal = 0;  // derived

  // Education: three students
  std::int32_t EduStartYear1 = 2005;
  std::int32_t EduEndYear1 = 2005;
  std::int64_t EduCost1 = 0;
  std::int64_t EduDebt1 = 0;
  std::int32_t EduDebtYears1 = 0;
  std::int32_t EduStartYear2 = 2005;
  std::int32_t EduEndYear2 = 2005;
  std::int64_t EduCost2 = 0;
  std::int64_t EduDebt2 = 0;
  std::int32_t EduDebtYears2 = 0;
  std::int32_t EduStartYear3 = 2005;
  std::int32_t EduEndYear3 = 2005;
  std::int64_t EduCost3 = 0;
  std::int64_t EduDebt3 = 0;
  std::int32_t EduDebtYears3 = 0;

  // Special events and other
  std::string OtherTitle1 = "Other Annual Expense #1";
  std::string OtherTitle2 = "Other Annual Expense #2";
  std::string OtherTitle3 = "Other Annual Expense #3";
  std::string OtherTitle4 = "Other Annual Expense #4";
  std::string OtherTitle5 = "Other Annual Expense #5";
  std::int64_t OtherAmount1 = 0;
  std::int64_t OtherAmount2 = 0;
  std::int64_t OtherAmount3 = 0;
  std::int64_t OtherAmount4 = 0;
  std::int64_t OtherAmount5 = 0;
  std::string EventTitle1 = "One Time Special Event #1";
  std::string EventTitle2 = "One Time Event #2";
  std::string EventTitle3 = "One Time Event #3";
  std::string EventTitle4 = "One Time Event #4";
  std::string EventTitle5 = "One Time Event #5";
  std::int64_t EventYear1 = 0;
  std::int64_t EventYear2 = 0;
  std::int64_t EventYear3 = 0;
  std::int64_t EventYear4 = 0;
  std::int64_t EventYear5 = 0;
  std::int64_t EventAmount1 = 0;
  std::int64_t EventAmount2 = 0;
  std::int64_t EventAmount3 = 0;
  std::int64_t EventAmount4 = 0;
  std::int64_t EventAmount5 = 0;
  std::int64_t OtherAnnualTotal = 0;  // derived
  std::int64_t OtherTotal = 0;        // derived

  // Stored in the plan file's tagged block after the first layout's lines
  // (model/PlanInputBlock.h). Zero keeps today's forecast.
  std::int64_t FullRetirementBenefit1 = 0;  // yearly, from the person's statement
  std::int64_t FullRetirementBenefit2 = 0;
  // The Roth balance (household) and the part of it that is contributions,
  // which come out tax-free at any age.
  std::int64_t RothBalance = 0;
  std::int64_t RothBasis = 0;
  // Yearly, current dollars, paid from salary after tax until retirement.
  std::int64_t RothContribution1 = 0;
  std::int64_t RothContribution2 = 0;
  // The accounts that cover a shortfall, first to last, e.g.
  // "taxable,deferred,roth"; empty is that order.
  std::string WithdrawalOrder;
  // Bracket filling: each year from FillFromAge to FillToAge (person 1's ages)
  // draw from the tax-deferred balance up to the top of the FillBracket %
  // bracket; the surplus goes into FillInto ("taxable", empty, or "roth").
  // ConvertAmount converts a fixed yearly sum (current dollars) instead.
  std::int32_t FillBracket = 0;
  std::string FillInto;
  std::int64_t ConvertAmount = 0;
  std::int32_t FillFromAge = 0;
  std::int32_t FillToAge = 0;
  // Block lines with keys this release does not know, kept verbatim for the next save.
  std::vector<std::string> UnknownInputLines;

  friend bool operator==(const PlanRecord&, const PlanRecord&) = default;
};
