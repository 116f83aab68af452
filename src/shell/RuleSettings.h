#pragma once

#include "markets/ForecastRules.h"

class SettingsStore;

// The rules every forecast runs under are program settings, the same for every
// plan: plan files keep the layout other programs read. Each is stored as its
// command-line word; a missing or unknown word gives the default.
inline constexpr const char* kPastInflationKey = "Assumptions/PastInflation";
inline constexpr const char* kTaxRulesKey = "Taxes/TaxRules";
// Chosen in File, Stress Test beside the history starts they matter to.
inline constexpr const char* kDeflationKey = "Assumptions/Deflation";
inline constexpr const char* kHomeEquityLimitKey = "Assumptions/HomeEquityLimit";

// The rules last chosen.
ForecastRules LoadForecastRules(const SettingsStore& store);

// Stores one rule under its key.
void SaveRule(SettingsStore& store, PastInflationRule rule);
void SaveRule(SettingsStore& store, TaxRules rule);
void SaveRule(SettingsStore& store, DeflationRule rule);
void SaveRule(SettingsStore& store, HomeEquityLimitRule rule);
