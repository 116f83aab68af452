#pragma once

#include <array>

#include "engine/RatePath.h"
#include "odds/PathModel.h"

// What a model of markets assumes, measured on its own trials: for each
// series the mean and the swing (standard deviation) of a year's rate, in
// percent; the returns and the real-estate growth are above inflation, as
// every rate path holds them. Two models
// of the same plan can give far apart odds; these figures say why.
struct SeriesAssumption {
  double mean = 0.0;
  double swing = 0.0;
};

struct RateAssumptions {
  std::array<SeriesAssumption, kRateSeriesCount> series{};  // in the order of RateSeries
  int trials = 0;  // the trials measured
};

// Measured on the first `trials` trials of the model (all, when it has fewer).
RateAssumptions MeasureRateAssumptions(const PathModel& model, int trials = 1000);
