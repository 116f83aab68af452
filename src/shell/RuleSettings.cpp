#include "shell/RuleSettings.h"

#include "platform/SettingsStore.h"

namespace {

// A rule stored under its key as one of two words, the default's first.
template <typename Rule>
struct TwoWordSetting {
  const char* key;
  Rule usual;
  const char* usualWord;
  Rule other;
  const char* otherWord;

  Rule Load(const SettingsStore& store) const {
    return store.Text(key).value_or(QString()) == otherWord ? other : usual;
  }
  void Save(SettingsStore& store, Rule rule) const { store.SetText(key, rule == other ? otherWord : usualWord); }
};

const TwoWordSetting<PastInflationRule> kPastSetting{kPastInflationKey, PastInflationRule::Recorded, "recorded",
                                                     PastInflationRule::Plan, "plan"};
const TwoWordSetting<TaxRules> kTaxSetting{kTaxRulesKey, TaxRules::Law, TaxRulesWord(TaxRules::Law), TaxRules::Curve,
                                           TaxRulesWord(TaxRules::Curve)};
const TwoWordSetting<DeflationRule> kDeflationSetting{kDeflationKey, DeflationRule::Hold,
                                                      DeflationWord(DeflationRule::Hold), DeflationRule::Follow,
                                                      DeflationWord(DeflationRule::Follow)};
const TwoWordSetting<HomeEquityLimitRule> kHomeEquitySetting{
    kHomeEquityLimitKey, HomeEquityLimitRule::Floor, HomeEquityLimitWord(HomeEquityLimitRule::Floor),
    HomeEquityLimitRule::FirstDesign, HomeEquityLimitWord(HomeEquityLimitRule::FirstDesign)};

}  // namespace

ForecastRules LoadForecastRules(const SettingsStore& store) {
  return ForecastRules{kPastSetting.Load(store), kTaxSetting.Load(store), kDeflationSetting.Load(store),
                       kHomeEquitySetting.Load(store)};
}

void SaveRule(SettingsStore& store, PastInflationRule rule) { kPastSetting.Save(store, rule); }
void SaveRule(SettingsStore& store, TaxRules rule) { kTaxSetting.Save(store, rule); }
void SaveRule(SettingsStore& store, DeflationRule rule) { kDeflationSetting.Save(store, rule); }
void SaveRule(SettingsStore& store, HomeEquityLimitRule rule) { kHomeEquitySetting.Save(store, rule); }
