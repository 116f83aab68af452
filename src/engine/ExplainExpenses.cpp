#include "engine/Expenses.h"
#include "engine/ExplainSteps.h"
#include "engine/Money.h"
#include "model/HomeSituation.h"

namespace {

constexpr int kExpenses = SlotOf(&YearRecord::Expenses);
constexpr int kLoanPayments = SlotOf(&YearRecord::LoanPayments);
constexpr int kIncomeTaxes = SlotOf(&YearRecord::IncomeTaxes);
constexpr int kPropertyTax = SlotOf(&YearRecord::PropertyTax);
constexpr int kMortgagePayment = SlotOf(&YearRecord::MortgagePayment);
constexpr long double kHomeChangeFactor = 1.3L;

void AddInputs(ExplainTerms& terms, const PlanRecord& plan, std::initializer_list<const char*> names,
               std::initializer_list<std::int64_t> amounts) {
  auto amount = amounts.begin();
  for (const char* name : names) {
    if (*amount != 0) terms.Input(name, *amount);
    ++amount;
  }
  static_cast<void>(plan);
}

void AddCells(ExplainTerms& terms, const YearRecord& year, int a) {
  for (const int slot : {kLoanPayments, kIncomeTaxes, kPropertyTax, kMortgagePayment}) {
    const std::int64_t value = year.*kForecastColumns[static_cast<std::size_t>(slot)].field;
    if (value != 0) terms.Cell(a, slot, value);
  }
}

// Insurance and utilities (A) or supplies, repair and miscellaneous (B), scaled from the move on.
void AddHomeCosts(const PlanRecord& plan, std::int64_t k, ExplainTerms parts, std::int64_t amount, const char* label,
                  ExplainTerms& terms) {
  if (parts.Sum() == 0 && amount == 0) return;
  const HomeSituation home = HomeSituationOf(plan.HomeStatus);
  if (k >= plan.YearsToMove) {
    if (home == HomeSituation::RentThenBuy) {
      terms.Rated(label, std::move(parts), kHomeChangeFactor, "owning costs %p more than renting", amount);
      return;
    }
    if (home == HomeSituation::OwnThenBuyAnother && plan.HomeValue > 0) {
      terms.Rated(label, std::move(parts),
                  static_cast<long double>(plan.NewHomePrice) / static_cast<long double>(plan.HomeValue),
                  "the new home's price against the old home's value", amount);
      return;
    }
    if (home == HomeSituation::OwnThenRent && plan.HomeValue > 0 && plan.AnnualRent > 0) {
      terms.Rated(label, std::move(parts), 1.0L / kHomeChangeFactor, "renting instead of owning", amount);
      return;
    }
  }
  terms.Step(label, std::move(parts), amount);
}

void AddCars(const PlanRecord& plan, std::int64_t k, ExplainTerms& terms) {
  const char* names[3] = {"CarReplaceCost1", "CarReplaceCost2", "CarReplaceCost3"};
  const std::int64_t due[3] = {CarCostDue(plan.CarYearsHad1, plan.CarYearsLeft1, plan.CarReplaceCost1, k),
                               CarCostDue(plan.CarYearsHad2, plan.CarYearsLeft2, plan.CarReplaceCost2, k),
                               CarCostDue(plan.CarYearsHad3, plan.CarYearsLeft3, plan.CarReplaceCost3, k)};
  for (int i = 0; i < 3; ++i) {
    if (due[i] != 0) terms.Input(names[i], due[i]);
  }
}

void AddEvents(const PlanRecord& plan, std::int64_t year, ExplainTerms& terms) {
  const std::int64_t years[5] = {plan.EventYear1, plan.EventYear2, plan.EventYear3, plan.EventYear4, plan.EventYear5};
  const std::int64_t amounts[5] = {plan.EventAmount1, plan.EventAmount2, plan.EventAmount3, plan.EventAmount4,
                                   plan.EventAmount5};
  const char* names[5] = {"EventAmount1", "EventAmount2", "EventAmount3", "EventAmount4", "EventAmount5"};
  for (int i = 0; i < 5; ++i) {
    if (years[i] == year && amounts[i] != 0) terms.Input(names[i], amounts[i]);
  }
}

void AddRent(const PlanRecord& plan, std::int64_t rent, ExplainTerms& terms) {
  if (rent != 0) terms.Input("AnnualRent", rent);
  static_cast<void>(plan);
}

}  // namespace

void TraceExpenses(const RunFactors& run, const ForecastTable& table, int a) {
  const PlanRecord& plan = run.plan;
  const std::int64_t k = a - 1;
  const YearRecord& year = table.Year(a);
  ExplainTerms terms;
  AddCells(terms, year, a);

  ExplainTerms education;
  const struct {
    const char* name;
    std::int32_t start, end;
    std::int64_t cost;
  } students[3] = {{"EduCost1", plan.EduStartYear1, plan.EduEndYear1, plan.EduCost1},
                   {"EduCost2", plan.EduStartYear2, plan.EduEndYear2, plan.EduCost2},
                   {"EduCost3", plan.EduStartYear3, plan.EduEndYear3, plan.EduCost3}};
  const std::int64_t calendarYear = CalendarYear(run, a);
  for (const auto& student : students) {
    if (calendarYear >= student.start && calendarYear < student.end && student.cost != 0) {
      education.ScaledInput(student.name, student.cost, run.InflationIndex(k), InflationLabel(run, a));
    }
  }
  if (education.Sum() != 0) terms.Step("schooling", std::move(education), EducationCost(run, k));

  ExplainTerms reducible;
  AddInputs(reducible, plan,
            {"CommunicationTotal", "EntertainmentTotal", "FoodTotal", "OtherAnnualTotal", "AutoMaintenance",
             "AutoInsurance", "AutoFuel"},
            {plan.CommunicationTotal, plan.EntertainmentTotal, plan.FoodTotal, plan.OtherAnnualTotal,
             plan.AutoMaintenance, plan.AutoInsurance, plan.AutoFuel});
  AddCars(plan, k, reducible);
  ExplainTerms costsB;
  AddInputs(costsB, plan, {"HomeRepair", "HomeSupplies", "HomeMisc"},
            {plan.HomeRepair, plan.HomeSupplies, plan.HomeMisc});
  AddHomeCosts(plan, k, std::move(costsB), table.work.HomeCostsB, "home supplies, repair and miscellaneous", reducible);

  ExplainTerms living;
  living.ScaledStep("expenses that drop after retirement", std::move(reducible), RetirementExpenseFactor(plan, k),
                    "the share of these expenses kept this year, less after retirement");
  AddInputs(living, plan, {"MedicalTotal"}, {plan.MedicalTotal});
  AddRent(plan, table.work.CurrentRent, living);
  ExplainTerms costsA;
  AddInputs(costsA, plan, {"HomeInsurance", "HomeUtilities"}, {plan.HomeInsurance, plan.HomeUtilities});
  AddHomeCosts(plan, k, std::move(costsA), table.work.HomeCostsA, "home insurance and utilities", living);
  AddEvents(plan, calendarYear, living);
  terms.ScaledStep("living expenses in today's dollars", std::move(living), run.InflationIndex(k),
                   InflationLabel(run, a));
  RecordNode(*run.trace, a, kExpenses, year.Expenses, std::move(terms));
}

void TraceFirstYearExpenses(const RunFactors& run, const ForecastTable& table) {
  const PlanRecord& plan = run.plan;
  const YearRecord& year = table.Year(1);
  ExplainTerms terms;
  AddCells(terms, year, 1);
  const std::int32_t thisYear = plan.CurrentYear;
  AddInputs(terms, plan, {"EduCost1", "EduCost2", "EduCost3"},
            {plan.EduStartYear1 == thisYear ? plan.EduCost1 : 0, plan.EduStartYear2 == thisYear ? plan.EduCost2 : 0,
             plan.EduStartYear3 == thisYear ? plan.EduCost3 : 0});
  AddInputs(terms, plan, {"CarReplaceCost1", "CarReplaceCost2", "CarReplaceCost3"},
            {plan.CarYearsLeft1 == 0 ? plan.CarReplaceCost1 : 0,
             plan.CarYearsLeft2 == 0 && plan.CarYearsHad2 != 0 ? plan.CarReplaceCost2 : 0,
             plan.CarYearsLeft3 == 0 && plan.CarYearsHad3 != 0 ? plan.CarReplaceCost3 : 0});
  AddRent(plan, table.work.CurrentRent, terms);
  AddInputs(
      terms, plan,
      {"AutoMaintenance", "AutoInsurance", "AutoFuel", "HomeInsurance", "HomeUtilities", "HomeRepair", "HomeSupplies",
       "HomeMisc", "CommunicationTotal", "EntertainmentTotal", "FoodTotal", "OtherTotal", "MedicalTotal"},
      {plan.AutoMaintenance, plan.AutoInsurance, plan.AutoFuel, plan.HomeInsurance, plan.HomeUtilities, plan.HomeRepair,
       plan.HomeSupplies, plan.HomeMisc, plan.CommunicationTotal, plan.EntertainmentTotal, plan.FoodTotal,
       plan.OtherTotal, plan.MedicalTotal});
  RecordNode(*run.trace, 1, kExpenses, year.Expenses, std::move(terms));
}
