#include "model/WithdrawalStrategy.h"

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <utility>

namespace {

constexpr std::array<std::pair<const char*, Account>, 3> kAccountWords = {{
    {"taxable", Account::Taxable},
    {"deferred", Account::Deferred},
    {"roth", Account::Roth},
}};

std::string TrimmedLower(const std::string& text) {
  const auto notSpace = [](unsigned char c) { return !std::isspace(c); };
  const auto first = std::find_if(text.begin(), text.end(), notSpace);
  const auto last = std::find_if(text.rbegin(), text.rend(), notSpace).base();
  std::string word = first < last ? std::string(first, last) : std::string();
  for (char& c : word) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return word;
}

std::optional<Account> AccountNamed(const std::string& word) {
  for (const auto& [name, account] : kAccountWords) {
    if (word == name) return account;
  }
  return std::nullopt;
}

}  // namespace

std::optional<AccountOrder> ParseWithdrawalOrder(const std::string& text) {
  if (TrimmedLower(text).empty()) return kDefaultWithdrawalOrder;
  AccountOrder order{};
  std::size_t count = 0;
  std::size_t start = 0;
  while (start <= text.size()) {
    const std::size_t comma = std::min(text.find(',', start), text.size());
    const std::optional<Account> account = AccountNamed(TrimmedLower(text.substr(start, comma - start)));
    if (!account || count == order.size() ||
        std::find(order.begin(), order.begin() + count, *account) != order.begin() + count)
      return std::nullopt;
    order[count++] = *account;
    start = comma + 1;
  }
  if (count != order.size()) return std::nullopt;
  return order;
}

std::string WithdrawalOrderText(const AccountOrder& order) {
  std::string text;
  for (const Account account : order) {
    for (const auto& [name, named] : kAccountWords) {
      if (named != account) continue;
      if (!text.empty()) text += ',';
      text += name;
    }
  }
  return text;
}

bool IsFillBracket(std::int32_t percent) {
  return std::find(kFillBrackets.begin(), kFillBrackets.end(), percent) != kFillBrackets.end();
}

bool IsFillInto(const std::string& text) {
  const std::string word = TrimmedLower(text);
  return word.empty() || word == kFillIntoTaxable || word == kFillIntoRoth;
}

std::vector<std::string> WithdrawalStrategyProblems(const PlanRecord& plan) {
  std::vector<std::string> problems;
  if (!ParseWithdrawalOrder(plan.WithdrawalOrder))
    problems.push_back("WithdrawalOrder takes taxable, deferred and roth, each once, joined by commas");
  if (!IsFillBracket(plan.FillBracket)) problems.push_back("FillBracket takes 0, 10, 12, 22, 24 or 32");
  if (!IsFillInto(plan.FillInto)) problems.push_back("FillInto takes taxable or roth");
  if (plan.ConvertAmount < 0) problems.push_back("ConvertAmount takes dollars a year, 0 or more");
  if (plan.FillFromAge < 0 || plan.FillToAge < 0 || (plan.FillToAge > 0 && plan.FillToAge < plan.FillFromAge))
    problems.push_back("FillFromAge and FillToAge take ages, the first not after the second (0 for the default)");
  return problems;
}

WithdrawalPlan WithdrawalPlanOf(const PlanRecord& plan) {
  WithdrawalPlan strategy;
  strategy.order = ParseWithdrawalOrder(plan.WithdrawalOrder).value_or(kDefaultWithdrawalOrder);
  strategy.fillBracket = IsFillBracket(plan.FillBracket) ? plan.FillBracket : 0;
  strategy.intoRoth = TrimmedLower(plan.FillInto) == kFillIntoRoth;
  strategy.convertAmount = std::max<std::int64_t>(plan.ConvertAmount, 0);
  const bool agesValid = plan.FillFromAge >= 0 && plan.FillToAge >= 0 &&
                         (plan.FillToAge == 0 || plan.FillToAge >= plan.FillFromAge);
  if (agesValid) {
    strategy.fromAge = plan.FillFromAge;
    strategy.toAge = plan.FillToAge;
  }
  return strategy;
}

bool UsesAccounts(const PlanRecord& plan) {
  const WithdrawalPlan strategy = WithdrawalPlanOf(plan);
  return plan.RothBalance != 0 || plan.RothContribution1 != 0 || plan.RothContribution2 != 0 ||
         strategy.order != kDefaultWithdrawalOrder || strategy.fillBracket != 0 || strategy.convertAmount != 0;
}
