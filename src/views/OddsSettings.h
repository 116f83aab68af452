#pragma once

#include <QString>

#include "odds/HistoricalModel.h"
#include "odds/MonteCarloModel.h"

class SettingsStore;

enum class OddsModelChoice { MonteCarlo = 0, Historical = 1 };

// What the odds page runs, as the user last set it.
struct OddsSettings {
  OddsModelChoice model = OddsModelChoice::MonteCarlo;
  MonteCarloSettings monteCarlo;
  HistoricalSettings historical;
  QString historyFile;
};

// Ranges the page offers; stored values outside them are held to them.
inline constexpr int kOddsMinTrials = 1;
inline constexpr int kOddsMaxTrials = 100000;
inline constexpr int kOddsMaxSeed = 2147483647;
inline constexpr double kOddsMaxDeviation = 100.0;

// The returns' correlation the page edits (the other pairs keep their defaults).
double ReturnsCorrelation(const OddsSettings& settings);
void SetReturnsCorrelation(OddsSettings& settings, double value);

// Reads the "Odds/..." values; a missing, unreadable or out-of-range value
// gives the default or the nearest allowed one, so a damaged store never
// stops the page.
OddsSettings LoadOddsSettings(const SettingsStore& store);
void SaveOddsSettings(SettingsStore& store, const OddsSettings& settings);
