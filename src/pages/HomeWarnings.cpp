#include "pages/HomeWarnings.h"

#include "engine/ForecastTable.h"
#include "model/NumberFormat.h"

namespace {

// "the mortgage balance $900,000 is above the home's value $90,000"
std::string Above(const char* what, std::int64_t amount, const char* than, std::int64_t limit) {
  return std::string(what) + " " + FormatDollars(amount) + " is above " + than + " " + FormatDollars(limit) + ".";
}

}  // namespace

std::vector<std::string> HomeWarnings(const PlanRecord& plan) {
  std::vector<std::string> warnings;
  if (plan.YearsToMove > RowCount(plan)) {
    warnings.push_back("The move is " + std::to_string(plan.YearsToMove) + " years away, beyond the forecast's " +
                       std::to_string(RowCount(plan)) + " years.");
  }
  if (plan.MortgageBalance > plan.HomeValue)
    warnings.push_back(Above("The mortgage balance", plan.MortgageBalance, "the home's value", plan.HomeValue));
  if (plan.HomeTaxes > plan.HomeValue)
    warnings.push_back(Above("The yearly real estate tax", plan.HomeTaxes, "the home's value", plan.HomeValue));
  if (plan.NewMortgage > plan.NewHomePrice)
    warnings.push_back(Above("The new mortgage", plan.NewMortgage, "the purchase price", plan.NewHomePrice));
  if (plan.NewHomeTaxes > plan.NewHomePrice)
    warnings.push_back(
        Above("The new yearly real estate tax", plan.NewHomeTaxes, "the purchase price", plan.NewHomePrice));
  return warnings;
}
