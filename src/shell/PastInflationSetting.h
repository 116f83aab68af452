#pragma once

#include "markets/RecordedInflation.h"

class SettingsStore;

// What the years before a plan's current year take is a program setting, the
// same for every plan: plan files keep the layout other programs read.
inline constexpr const char* kPastInflationKey = "Assumptions/PastInflation";

// The rule last chosen; the recorded past when none was.
PastInflationRule LoadPastInflation(const SettingsStore& store);
void SavePastInflation(SettingsStore& store, PastInflationRule rule);
