#include "engine/Expenses.h"

#include "engine/Factors.h"
#include "engine/Money.h"
#include "model/HomeSituation.h"

namespace {

constexpr long double kHomeChangeFactor = 1.3L;

std::int64_t StudentCost(const RunFactors& run, std::int32_t start, std::int32_t end, std::int64_t cost,
                         std::int64_t k) {
  const std::int64_t year = static_cast<std::int64_t>(run.plan.CurrentYear) + k;
  if (year < start || year >= end) return 0;
  return RoundMoney(run.InflationIndex(k) * cost);
}

std::int64_t EventsIn(const PlanRecord& plan, std::int64_t year) {
  return SumMoney({plan.EventYear1 == year ? plan.EventAmount1 : 0, plan.EventYear2 == year ? plan.EventAmount2 : 0,
                   plan.EventYear3 == year ? plan.EventAmount3 : 0, plan.EventYear4 == year ? plan.EventAmount4 : 0,
                   plan.EventYear5 == year ? plan.EventAmount5 : 0});
}

// The current running cost scaled by the new home's price over the old home's
// value; the product is formed exactly in integers before dividing.
std::int64_t ScaleToNewHome(const PlanRecord& plan, std::int64_t cost) {
  return RoundMoney(static_cast<long double>(MulMoney(plan.NewHomePrice, cost)) /
                    static_cast<long double>(plan.HomeValue));
}

}  // namespace

std::int64_t CarCostDue(std::int32_t had, std::int32_t left, std::int64_t cost, std::int64_t k) {
  const std::int64_t period = static_cast<std::int64_t>(had) + left;
  if (period <= 0) return 0;
  // A car bought this year (nothing had yet) is replaced a year earlier in each cycle.
  const std::int64_t due = had != 0 ? left : static_cast<std::int64_t>(left) - 1;
  return k % period == due ? cost : 0;
}

long double RetirementExpenseFactor(const PlanRecord& plan, std::int64_t k) {
  const std::int64_t age1 = plan.Age1;
  const std::int64_t age2 = plan.Age2;
  const std::int64_t retire1 = plan.RetireAge1;
  const std::int64_t retire2 = plan.RetireAge2;
  int shares = 0;
  // With one person retired now, the reduction starts when the other retires:
  // half of it when the retired person draws a pension, all of it otherwise.
  if (retire1 == age1 && retire2 > age2) {
    if (k >= retire2 - age2) shares = plan.Pension1 != 0 ? 1 : 2;
  } else if (retire1 > age1 && retire2 == age2) {
    if (k >= retire1 - age1) shares = plan.Pension2 != 0 ? 1 : 2;
  } else if (retire1 > age1 && retire2 > age2) {
    shares = (k >= retire1 - age1 ? 1 : 0) + (k >= retire2 - age2 ? 1 : 0);
  }
  return 1.0L - static_cast<long double>(shares) * plan.RetirementReduction / 200.0L;
}

std::int64_t CarReplacementCost(const PlanRecord& plan, std::int64_t k) {
  return SumMoney({CarCostDue(plan.CarYearsHad1, plan.CarYearsLeft1, plan.CarReplaceCost1, k),
                   CarCostDue(plan.CarYearsHad2, plan.CarYearsLeft2, plan.CarReplaceCost2, k),
                   CarCostDue(plan.CarYearsHad3, plan.CarYearsLeft3, plan.CarReplaceCost3, k)});
}

std::int64_t EducationCost(const RunFactors& run, std::int64_t k) {
  const PlanRecord& plan = run.plan;
  return SumMoney({StudentCost(run, plan.EduStartYear1, plan.EduEndYear1, plan.EduCost1, k),
                   StudentCost(run, plan.EduStartYear2, plan.EduEndYear2, plan.EduCost2, k),
                   StudentCost(run, plan.EduStartYear3, plan.EduEndYear3, plan.EduCost3, k)});
}

void AdjustHomeCosts(const PlanRecord& plan, ForecastTable& table, std::int64_t k) {
  std::int64_t costsA = AddMoney(plan.HomeInsurance, plan.HomeUtilities);
  std::int64_t costsB = SumMoney({plan.HomeRepair, plan.HomeSupplies, plan.HomeMisc});
  const HomeSituation home = HomeSituationOf(plan.HomeStatus);
  if (k >= plan.YearsToMove) {
    if (home == HomeSituation::RentThenBuy) {
      costsA = RoundMoney(costsA * kHomeChangeFactor);
      costsB = RoundMoney(costsB * kHomeChangeFactor);
    } else if (home == HomeSituation::OwnThenBuyAnother && plan.HomeValue > 0) {
      costsA = ScaleToNewHome(plan, costsA);
      costsB = ScaleToNewHome(plan, costsB);
    } else if (home == HomeSituation::OwnThenRent && plan.HomeValue > 0 && plan.AnnualRent > 0) {
      costsA = RoundMoney(costsA / kHomeChangeFactor);
      costsB = RoundMoney(costsB / kHomeChangeFactor);
    }
  }
  table.work.HomeCostsA = costsA;
  table.work.HomeCostsB = costsB;
}

std::int64_t ComputeExpenses(const RunFactors& run, ForecastTable& table, int a) {
  const PlanRecord& plan = run.plan;
  const std::int64_t k = a - 1;
  const YearRecord& year = table.Year(a);
  const EngineWork& work = table.work;
  AdjustHomeCosts(plan, table, k);
  const std::int64_t events = EventsIn(plan, static_cast<std::int64_t>(plan.CurrentYear) + k);
  const std::int64_t reducible =
      SumMoney({plan.CommunicationTotal, plan.EntertainmentTotal, plan.FoodTotal, plan.OtherAnnualTotal,
                plan.AutoMaintenance, plan.AutoInsurance, plan.AutoFuel, CarReplacementCost(plan, k), work.HomeCostsB});
  const std::int64_t reduced = RoundMoney(RetirementExpenseFactor(plan, k) * reducible);
  const std::int64_t living = RoundMoney(
      run.InflationIndex(k) * SumMoney({reduced, plan.MedicalTotal, work.CurrentRent, work.HomeCostsA, events}));
  return SumMoney(
      {year.LoanPayments, year.IncomeTaxes, year.PropertyTax, EducationCost(run, k), year.MortgagePayment, living});
}

std::int64_t FirstYearExpenses(const PlanRecord& plan, const ForecastTable& table) {
  const YearRecord& year = table.Year(1);
  const std::int32_t thisYear = plan.CurrentYear;
  const std::int64_t education =
      SumMoney({plan.EduStartYear1 == thisYear ? plan.EduCost1 : 0, plan.EduStartYear2 == thisYear ? plan.EduCost2 : 0,
                plan.EduStartYear3 == thisYear ? plan.EduCost3 : 0});
  const std::int64_t cars = SumMoney({plan.CarYearsLeft1 == 0 ? plan.CarReplaceCost1 : 0,
                                      plan.CarYearsLeft2 == 0 && plan.CarYearsHad2 != 0 ? plan.CarReplaceCost2 : 0,
                                      plan.CarYearsLeft3 == 0 && plan.CarYearsHad3 != 0 ? plan.CarReplaceCost3 : 0});
  return SumMoney(
      {year.LoanPayments,       year.IncomeTaxes,        year.PropertyTax,     education,          cars,
       table.work.CurrentRent,  year.MortgagePayment,    plan.AutoMaintenance, plan.AutoInsurance, plan.AutoFuel,
       plan.HomeInsurance,      plan.HomeUtilities,      plan.HomeRepair,      plan.HomeSupplies,  plan.HomeMisc,
       plan.CommunicationTotal, plan.EntertainmentTotal, plan.FoodTotal,       plan.OtherTotal,    plan.MedicalTotal});
}
