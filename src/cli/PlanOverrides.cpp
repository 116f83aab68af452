#include "cli/PlanOverrides.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <tuple>

#include "cli/WholeNumber.h"
#include "model/ReadableText.h"
#include "model/WithdrawalStrategy.h"

namespace {

// Ages beyond any forecast are a typing mistake, not a plan.
constexpr std::int32_t kOldestAge = 200;

std::string Refusal(const std::string& takes, const std::string& value) {
  return takes + ", not \"" + ReadableExcerpt(value) + "\"";
}

std::string BracketList() {
  std::string list;
  for (std::size_t i = 0; i < kFillBrackets.size(); ++i) {
    if (i > 0) list += i + 1 == kFillBrackets.size() ? " or " : ", ";
    list += std::to_string(kFillBrackets[i]);
  }
  return list;
}

std::optional<std::int32_t> Age(const std::string& text) {
  const std::optional<std::int32_t> age = ParseWhole<std::int32_t>(text);
  if (!age || *age < 0 || *age > kOldestAge) return std::nullopt;
  return age;
}

std::string StoreOrder(const std::string& value, PlanOverrides& overrides) {
  const bool blank = std::all_of(value.begin(), value.end(), [](unsigned char c) { return std::isspace(c); });
  const std::optional<AccountOrder> order = blank ? std::nullopt : ParseWithdrawalOrder(value);
  if (!order) return Refusal("--withdrawal-order takes taxable, deferred and roth, each once, joined by commas", value);
  // Stored as the assumptions page and the strategy set write it.
  overrides.withdrawalOrder = WithdrawalOrderText(*order);
  return {};
}

std::string StoreBracket(const std::string& value, PlanOverrides& overrides) {
  const std::optional<std::int32_t> percent = ParseWhole<std::int32_t>(value);
  if (!percent || !IsFillBracket(*percent)) return Refusal("--fill-bracket takes " + BracketList(), value);
  overrides.fillBracket = *percent;
  return {};
}

std::string StoreInto(const std::string& value, PlanOverrides& overrides) {
  if (value != kFillIntoTaxable && value != kFillIntoRoth) {
    return Refusal(std::string("--fill-into takes ") + kFillIntoTaxable + " or " + kFillIntoRoth, value);
  }
  overrides.fillInto = value;
  return {};
}

std::string StoreConvert(const std::string& value, PlanOverrides& overrides) {
  const std::optional<std::int64_t> dollars = ParseWhole<std::int64_t>(value);
  if (!dollars || *dollars < 0) return Refusal("--convert takes whole dollars a year, 0 or more", value);
  overrides.convertAmount = *dollars;
  return {};
}

std::string StoreAges(const std::string& value, PlanOverrides& overrides) {
  const std::size_t dash = value.find('-');
  const std::optional<std::int32_t> from = dash == std::string::npos ? std::nullopt : Age(value.substr(0, dash));
  const std::optional<std::int32_t> to = from ? Age(value.substr(dash + 1)) : std::nullopt;
  if (!to || *from > *to) {
    return Refusal("--fill-ages takes the first person's ages FROM-TO, whole numbers, FROM not after TO (63-72)",
                   value);
  }
  overrides.fillAges = {*from, *to};
  return {};
}

constexpr std::array<PlanOverrideOption, 5> kPlanOverrides = {{
    {"--withdrawal-order", StoreOrder},
    {"--fill-bracket", StoreBracket},
    {"--fill-into", StoreInto},
    {"--convert", StoreConvert},
    {"--fill-ages", StoreAges},
}};

}  // namespace

const PlanOverrideOption* FindPlanOverride(const std::string& name) {
  for (const PlanOverrideOption& option : kPlanOverrides) {
    if (name == option.name) return &option;
  }
  return nullptr;
}

void ApplyPlanOverrides(const PlanOverrides& overrides, PlanRecord& plan) {
  if (overrides.withdrawalOrder) plan.WithdrawalOrder = *overrides.withdrawalOrder;
  if (overrides.fillBracket) plan.FillBracket = *overrides.fillBracket;
  if (overrides.fillInto) plan.FillInto = *overrides.fillInto;
  if (overrides.convertAmount) plan.ConvertAmount = *overrides.convertAmount;
  if (overrides.fillAges) std::tie(plan.FillFromAge, plan.FillToAge) = *overrides.fillAges;
}
