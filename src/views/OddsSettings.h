#pragma once

#include <QString>

#include "odds/BootstrapModel.h"
#include "odds/HistoricalModel.h"
#include "odds/MonteCarloModel.h"

class SettingsStore;

enum class OddsModelChoice { MonteCarlo = 0, Historical = 1, Bootstrap = 2 };

// What the odds page runs, as the user last set it.
struct OddsSettings {
  OddsModelChoice model = OddsModelChoice::MonteCarlo;
  MonteCarloSettings monteCarlo;
  HistoricalSettings historical;
  // The built-in US history unless the user chose a file of their own.
  bool historyFromFile = false;
  QString historyFile;
  int bootstrapBlock = 5;
};

// Ranges the page offers; stored values outside them are held to them.
inline constexpr int kOddsMinTrials = 1;
inline constexpr int kOddsMaxTrials = 100000;
inline constexpr int kOddsMaxSeed = 2147483647;
inline constexpr double kOddsMaxDeviation = 100.0;

// The bootstrap's settings: trials and seed of the Monte Carlo boxes, the history's stock shares.
BootstrapSettings BootstrapSettingsOf(const OddsSettings& settings);

// The returns' correlation the page edits (the other pairs keep their defaults).
double ReturnsCorrelation(const OddsSettings& settings);
void SetReturnsCorrelation(OddsSettings& settings, double value);

// Reads the "Odds/..." values; a missing, unreadable or out-of-range value
// gives the default or the nearest allowed one, so a damaged store never
// stops the page.
OddsSettings LoadOddsSettings(const SettingsStore& store);
void SaveOddsSettings(SettingsStore& store, const OddsSettings& settings);
