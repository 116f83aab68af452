#include "pages/WithdrawalRows.h"

#include "model/NumberFormat.h"
#include "model/WithdrawalStrategy.h"
#include "pages/AssumptionsTexts.h"

namespace {

using namespace assumptions_texts;

// The forecast ends in the year the first person turns 90.
constexpr std::int32_t kLastForecastAge = 90;

EntryRow Row(const char* name, const char* words, PlanField field, EntryKind kind, int width,
             std::vector<ChoiceOption> choices = {}) {
  EntryRow row{QString(name) + "Label", words, name, field, kind, false, LabelText::Leaders, width};
  row.choices = std::move(choices);
  return row;
}

std::string Age(std::int32_t age) { return "age " + std::to_string(age); }

std::vector<ChoiceOption> IntoChoices() {
  return {{kFillIntoTaxable, "Taxable savings"}, {kFillIntoRoth, "Convert to Roth"}};
}

std::vector<ChoiceOption> BracketChoices() {
  std::vector<ChoiceOption> choices;
  for (const std::int32_t percent : kFillBrackets)
    choices.push_back({QString::number(percent), percent == 0 ? QString("None") : QString("%1 %").arg(percent)});
  return choices;
}

}  // namespace

std::vector<EntryRow> WithdrawalRows() {
  const std::vector<ChoiceOption> orders = {
      {"taxable,deferred,roth", "Taxable, then tax-deferred, then Roth"},
      {"taxable,roth,deferred", "Taxable, then Roth, then tax-deferred"},
      {"deferred,taxable,roth", "Tax-deferred, then taxable, then Roth"},
      {"deferred,roth,taxable", "Tax-deferred, then Roth, then taxable"},
      {"roth,taxable,deferred", "Roth, then taxable, then tax-deferred"},
      {"roth,deferred,taxable", "Roth, then tax-deferred, then taxable"},
  };
  return {
      Row("WithdrawalOrder", kWithdrawalOrder, &PlanRecord::WithdrawalOrder, EntryKind::Text, 280, orders),
      Row("FillBracket", kFillBracket, &PlanRecord::FillBracket, EntryKind::Whole, 90, BracketChoices()),
      Row("FillInto", kFillInto, &PlanRecord::FillInto, EntryKind::Text, 150, IntoChoices()),
      Row("ConvertAmount", kConvertAmount, &PlanRecord::ConvertAmount, EntryKind::Dollars, 90),
      Row("FillFromAge", kFillFromAge, &PlanRecord::FillFromAge, EntryKind::Whole, 90),
      Row("FillToAge", kFillToAge, &PlanRecord::FillToAge, EntryKind::Whole, 90),
  };
}

std::vector<std::string> WithdrawalWarnings(const PlanRecord& plan) {
  std::vector<std::string> warnings;
  const std::int32_t from = plan.FillFromAge;
  const std::int32_t to = plan.FillToAge;
  if (from != 0 && to != 0 && to < from)
    warnings.push_back("The filling ends at " + Age(to) + ", before it starts at " + Age(from) + ".");
  for (const std::int32_t age : {from, to}) {
    if (age > kLastForecastAge) {
      warnings.push_back("The filling age " + std::to_string(age) + " is after the forecast's last year (" +
                         Age(kLastForecastAge) + ").");
    }
  }
  if (to != 0 && to < plan.Age1) {
    warnings.push_back("The filling ends at " + Age(to) + ", before the first person's current " + Age(plan.Age1) +
                       ": it never runs.");
  }
  if (plan.FillBracket != 0 && plan.ConvertAmount != 0) {
    warnings.push_back("The fixed conversion of " + FormatDollars(plan.ConvertAmount) + " a year replaces the " +
                       std::to_string(plan.FillBracket) + " % bracket filling.");
  }
  if (ChoiceIndex(IntoChoices(), QString::fromStdString(plan.FillInto)) == 1 && plan.FillBracket == 0 &&
      plan.ConvertAmount == 0) {
    warnings.push_back("Convert to Roth is chosen without a bracket to fill or a yearly amount: nothing is converted.");
  }
  return warnings;
}
