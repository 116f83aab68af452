#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "model/PlanRecord.h"

// The plan's withdrawal-strategy inputs read as values, and the problems a
// stored file may have with them.

enum class Account { Taxable, Deferred, Roth };
using AccountOrder = std::array<Account, 3>;

// Taxable savings, then the tax-deferred account, then the Roth: the order of
// every plan that names none.
inline constexpr AccountOrder kDefaultWithdrawalOrder = {Account::Taxable, Account::Deferred, Account::Roth};

// "taxable", "deferred" and "roth", each once, joined by commas (spaces around
// a word allowed, case ignored); empty gives the default order. Nothing for
// any other text.
std::optional<AccountOrder> ParseWithdrawalOrder(const std::string& text);

// The order as the file stores it: "deferred,taxable,roth".
std::string WithdrawalOrderText(const AccountOrder& order);

// The brackets a plan may fill, in percent; 0 fills none.
inline constexpr std::array<std::int32_t, 6> kFillBrackets = {0, 10, 12, 22, 24, 32};
bool IsFillBracket(std::int32_t percent);

// Where the filling puts what it draws: taxable savings (also an empty text)
// or the Roth, which makes it a conversion.
inline constexpr const char* kFillIntoTaxable = "taxable";
inline constexpr const char* kFillIntoRoth = "roth";
bool IsFillInto(const std::string& text);

// The strategy a forecast runs: the plan's inputs with each invalid one read
// as its default (`check` names them), the filling's ages still 0 where the
// run chooses them.
struct WithdrawalPlan {
  AccountOrder order = kDefaultWithdrawalOrder;
  std::int32_t fillBracket = 0;  // percent; 0 fills nothing
  bool intoRoth = false;         // the filling converts instead of landing in taxable savings
  std::int64_t convertAmount = 0;  // current dollars a year, when no bracket is filled
  std::int32_t fromAge = 0;
  std::int32_t toAge = 0;
};
WithdrawalPlan WithdrawalPlanOf(const PlanRecord& plan);

// Whether the plan holds a Roth account or a strategy other than the default:
// exports then list the Roth and strategy fields.
bool UsesAccounts(const PlanRecord& plan);

// One line per strategy input the plan holds but a forecast cannot use, naming
// the input and what it takes; empty when every one is valid.
std::vector<std::string> WithdrawalStrategyProblems(const PlanRecord& plan);
