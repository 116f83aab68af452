#pragma once

#include "engine/TaxRules.h"

class SettingsStore;

// The tax rules of future years are a program setting, the same for every
// plan: plan files keep the layout other programs read.
inline constexpr const char* kTaxRulesKey = "Taxes/TaxRules";

// The rules last chosen; the law when none were.
TaxRules LoadTaxRules(const SettingsStore& store);
void SaveTaxRules(SettingsStore& store, TaxRules rules);
