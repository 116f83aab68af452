#include "solve/Strategy.h"

#include "model/WithdrawalStrategy.h"

namespace {

// Whether person p's claiming age is a choice of the strategies: the person is
// in the plan and their full-retirement benefit is typed.
bool ClaimIsChosen(const PlanRecord& plan, int p) {
  if (p == 2 && !plan.SecondPerson) return false;
  return (p == 1 ? plan.FullRetirementBenefit1 : plan.FullRetirementBenefit2) > 0;
}

std::string OrderWords(const std::string& order) {
  std::string words;
  for (const char c : order) words += c == ',' ? std::string(" > ") : std::string(1, c);
  return words;
}

std::string BracketWords(const Strategy& strategy) {
  const bool roth = strategy.fillInto == kFillIntoRoth;
  std::string words;
  if (strategy.fillBracket > 0) {
    words = std::string(roth ? "convert to Roth" : "fill into taxable") + " up to the " +
            std::to_string(strategy.fillBracket) + " % bracket";
  } else if (strategy.convertAmount > 0) {
    words = "convert $" + std::to_string(strategy.convertAmount) + " a year";
  } else {
    return "no bracket filling";
  }
  if (strategy.fillFromAge > 0 || strategy.fillToAge > 0) {
    words += " (ages " + (strategy.fillFromAge > 0 ? std::to_string(strategy.fillFromAge) : std::string("default")) +
             " to " + (strategy.fillToAge > 0 ? std::to_string(strategy.fillToAge) : std::string("default")) + ")";
  }
  return words;
}

// No filling makes the filling's target and ages moot.
Strategy Normalized(Strategy strategy) {
  if (strategy.fillBracket <= 0 && strategy.convertAmount <= 0) {
    strategy.fillInto = kFillIntoTaxable;
    strategy.fillFromAge = 0;
    strategy.fillToAge = 0;
  }
  return strategy;
}

}  // namespace

bool SameChoices(const Strategy& a, const Strategy& b) { return Normalized(a) == Normalized(b); }

Strategy StrategyOf(const PlanRecord& plan) {
  Strategy strategy;
  if (!plan.WithdrawalOrder.empty()) strategy.withdrawalOrder = plan.WithdrawalOrder;
  strategy.fillBracket = plan.FillBracket;
  if (!plan.FillInto.empty()) strategy.fillInto = plan.FillInto;
  strategy.convertAmount = plan.ConvertAmount;
  strategy.fillFromAge = plan.FillFromAge;
  strategy.fillToAge = plan.FillToAge;
  strategy.claimAge = {plan.SocialSecurityAge1, plan.SocialSecurityAge2};
  return strategy;
}

void ApplyStrategy(const Strategy& strategy, PlanRecord& plan) {
  // The defaults are stored empty, as a plan that never chose them has them,
  // so applying the usual strategy adds nothing to the file.
  plan.WithdrawalOrder = strategy.withdrawalOrder == kStrategyOrders[0] ? std::string() : strategy.withdrawalOrder;
  plan.FillBracket = strategy.fillBracket;
  plan.FillInto = strategy.fillInto == kFillIntoTaxable ? std::string() : strategy.fillInto;
  plan.ConvertAmount = strategy.convertAmount;
  plan.FillFromAge = strategy.fillFromAge;
  plan.FillToAge = strategy.fillToAge;
  plan.SocialSecurityAge1 = strategy.claimAge[0];
  plan.SocialSecurityAge2 = strategy.claimAge[1];
}

std::vector<std::int32_t> ClaimAgesTried(const PlanRecord& plan, int p) {
  std::vector<std::int32_t> ages;
  if (!ClaimIsChosen(plan, p)) return ages;
  const std::int32_t age = p == 1 ? plan.Age1 : plan.Age2;
  for (const std::int32_t claim : kStrategyClaimAges) {
    if (claim >= age) ages.push_back(claim);
  }
  return ages;
}

std::vector<Strategy> StrategySet(const PlanRecord& plan) {
  const Strategy own = StrategyOf(plan);
  std::vector<Strategy> brackets;
  brackets.push_back(Strategy{});
  for (const char* into : {kFillIntoTaxable, kFillIntoRoth}) {
    for (const std::int32_t bracket : kStrategyBrackets) {
      Strategy filled;
      filled.fillBracket = bracket;
      filled.fillInto = into;
      brackets.push_back(filled);
    }
  }
  std::array<std::vector<std::int32_t>, 2> claims;
  for (int p = 1; p <= 2; ++p) {
    claims[p - 1] = ClaimAgesTried(plan, p);
    if (claims[p - 1].empty()) claims[p - 1].push_back(own.claimAge[p - 1]);
  }
  std::vector<Strategy> set;
  for (const char* order : kStrategyOrders) {
    for (Strategy strategy : brackets) {
      strategy.withdrawalOrder = order;
      for (const std::int32_t claim1 : claims[0]) {
        for (const std::int32_t claim2 : claims[1]) {
          strategy.claimAge = {claim1, claim2};
          set.push_back(strategy);
        }
      }
    }
  }
  return set;
}

std::string StrategyWords(const Strategy& strategy, const PlanRecord& plan) {
  std::string words = OrderWords(strategy.withdrawalOrder) + "; " + BracketWords(strategy);
  std::string claims;
  for (int p = 1; p <= 2; ++p) {
    if (!ClaimIsChosen(plan, p)) continue;
    claims += (claims.empty() ? "" : " / ") + std::to_string(strategy.claimAge[p - 1]);
  }
  if (!claims.empty()) words += "; claim " + claims;
  return words;
}
