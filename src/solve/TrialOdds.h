#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <limits>
#include <vector>

#include "model/PlanRecord.h"
#include "odds/PathModel.h"
#include "odds/RecordedInflation.h"
#include "solve/Target.h"

// What each trial did at the lever values tried so far. Values are measured
// in hardness (the further, the harder the target is to meet), so a trial
// that met the target at h meets it at every easier value and one that
// missed it at h misses it at every harder one: those trials need no run.
class TrialMemory {
 public:
  // 1: met, 0: missed, -1: not known.
  int Known(int trial, std::int64_t hardness) const;
  void Record(int trial, std::int64_t hardness, bool met);

 private:
  void Grow(int trials);
  std::vector<std::int64_t> metUpTo_;
  std::vector<std::int64_t> missedFrom_;
};

struct TrialCount {
  int trials = 0;  // the first `trials` trials of the model
  // Trials that must meet the target, in hundredths of a percent (9000: 90 %).
  std::int64_t percentHundredths = 0;
};

struct TrialOddsRun {
  int threads = 1;
  const std::atomic<bool>* cancel = nullptr;
  // Stop as soon as the outcome is certain (the share is then not known).
  bool stopWhenDecided = false;
  TrialMemory* memory = nullptr;  // trials known from earlier values need no run
  std::int64_t hardness = 0;      // where this value lies, for the memory
  std::function<void(int run)> progress;  // trials run so far in this call
  PastInflationRule past = PastInflationRule::Recorded;  // the same past in every trial
};

struct TrialOddsOutcome {
  bool cancelled = false;
  bool holds = false;
  bool complete = false;  // every trial known: `met` is the share's count
  int trials = 0;
  int met = 0;
  int missed = 0;
  int run = 0;  // forecasts run (not known from the memory)

  double Share() const { return trials > 0 ? 100.0 * met / trials : 0.0; }
};

// The smallest number of trials out of `trials` that reaches the percentage.
int TrialsNeeded(const TrialCount& count);

// Runs (in fixed chunks, so the outcome is the same for any number of
// threads) the trials of `model` on `plan` and counts those meeting `target`.
TrialOddsOutcome CountTrialsMeeting(const PlanRecord& plan, const PathModel& model, const Target& target,
                                    const TrialCount& count, const TrialOddsRun& run);
