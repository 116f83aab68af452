#pragma once

#include <string>

#include "odds/YearRates.h"

// Where a simulation's trials get their rates. Path(trial) depends on the
// trial number alone, so trials run in any order and on any thread, and any
// one of them can be replayed by itself.
class PathModel {
 public:
  virtual ~PathModel() = default;
  virtual int TrialCount() const = 0;
  // Rates for each of the forecast's rows; trial runs from 0 to TrialCount() - 1.
  virtual TrialRates Path(int trial) const = 0;
  // How a trial is named to the user ("trial 17", "start year 1931").
  virtual std::string TrialLabel(int trial) const = 0;
};
