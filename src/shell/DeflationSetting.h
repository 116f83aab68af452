#pragma once

#include "markets/ForecastRules.h"

class SettingsStore;

// Whether spending follows prices down in a year of deflation is a program
// setting, chosen in File, Stress Test beside the history starts it matters to.
inline constexpr const char* kDeflationKey = "Assumptions/Deflation";

// The rule last chosen; spending holds when none was.
DeflationRule LoadDeflation(const SettingsStore& store);
void SaveDeflation(SettingsStore& store, DeflationRule rule);
