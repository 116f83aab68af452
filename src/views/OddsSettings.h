#pragma once

#include <QString>
#include <memory>

#include "odds/MarketModelFactory.h"

class SettingsStore;

// What the odds page runs, as the user last set it.
struct OddsSettings : MarketModelSettings {
  // The built-in US history unless the user chose a file of their own.
  bool historyFromFile = false;
  QString historyFile;
};

// Ranges the page offers; stored values outside them are held to them.
inline constexpr int kOddsMinTrials = 1;
inline constexpr int kOddsMaxTrials = 100000;
inline constexpr int kOddsMaxSeed = 2147483647;
inline constexpr double kOddsMaxDeviation = 100.0;

struct OddsModelBuild {
  std::shared_ptr<const PathModel> model;
  MarketModelForPlan forPlan;  // the model of each plan a solve tries
  QString error;  // what the user must correct, when there is no model
};

// The model the settings ask for on the plan, on the history file read now
// (its problems are reported with file and line); Monte Carlo centers on
// `means` when given, else on the plan's rates.
OddsModelBuild BuildOddsModel(const PlanRecord& plan, const OddsSettings& settings, const RatePath* means = nullptr);

// The returns' correlation the page edits (the other pairs keep their defaults).
double ReturnsCorrelation(const OddsSettings& settings);
void SetReturnsCorrelation(OddsSettings& settings, double value);

// Reads the "Odds/..." values; a missing, unreadable or out-of-range value
// gives the default or the nearest allowed one, so a damaged store never
// stops the page.
OddsSettings LoadOddsSettings(const SettingsStore& store);
void SaveOddsSettings(SettingsStore& store, const OddsSettings& settings);
