#include "cli/RuleOptions.h"

#include <array>
#include <utility>

namespace {

// One of two words into the rule it names; false for anything else.
template <typename Rule>
bool ParseEitherWord(const std::string& word, std::pair<const char*, Rule> first, std::pair<const char*, Rule> second,
                     Rule& rule) {
  for (const auto& [name, value] : {first, second}) {
    if (word == name) {
      rule = value;
      return true;
    }
  }
  return false;
}

bool StorePast(const std::string& word, ForecastRules& rules) {
  return ParseEitherWord(word, {"recorded", PastInflationRule::Recorded}, {"plan", PastInflationRule::Plan},
                         rules.past);
}

bool StoreTaxes(const std::string& word, ForecastRules& rules) {
  return ParseEitherWord(word, {TaxRulesWord(TaxRules::Law), TaxRules::Law},
                         {TaxRulesWord(TaxRules::Curve), TaxRules::Curve}, rules.taxes);
}

bool StoreDeflation(const std::string& word, ForecastRules& rules) {
  return ParseEitherWord(word, {DeflationWord(DeflationRule::Hold), DeflationRule::Hold},
                         {DeflationWord(DeflationRule::Follow), DeflationRule::Follow}, rules.deflation);
}

bool StoreHomeEquityLimit(const std::string& word, ForecastRules& rules) {
  return ParseEitherWord(word, {HomeEquityLimitWord(HomeEquityLimitRule::Floor), HomeEquityLimitRule::Floor},
                         {HomeEquityLimitWord(HomeEquityLimitRule::FirstDesign), HomeEquityLimitRule::FirstDesign},
                         rules.homeEquityLimit);
}

constexpr std::array<RuleOption, 4> kRuleOptions = {{
    {"--past-inflation", "--past-inflation takes recorded or plan", StorePast},
    {"--tax-rules", "--tax-rules takes law or curve", StoreTaxes},
    {"--deflation", "--deflation takes hold or follow", StoreDeflation},
    {"--home-equity-limit", "--home-equity-limit takes floor or first-design", StoreHomeEquityLimit},
}};

}  // namespace

const RuleOption* FindRuleOption(const std::string& name) {
  for (const RuleOption& option : kRuleOptions) {
    if (name == option.name) return &option;
  }
  return nullptr;
}
