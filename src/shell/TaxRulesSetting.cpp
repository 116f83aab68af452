#include "shell/TaxRulesSetting.h"

#include "platform/SettingsStore.h"

TaxRules LoadTaxRules(const SettingsStore& store) {
  return store.Text(kTaxRulesKey).value_or(QString()) == TaxRulesWord(TaxRules::Curve) ? TaxRules::Curve
                                                                                       : TaxRules::Law;
}

void SaveTaxRules(SettingsStore& store, TaxRules rules) { store.SetText(kTaxRulesKey, TaxRulesWord(rules)); }
