#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <limits>
#include <vector>

#include "model/PlanRecord.h"
#include "odds/PathModel.h"
#include "markets/RecordedInflation.h"
#include "solve/Target.h"

// What each trial did at the lever values tried so far. Values are measured
// in hardness (the further, the harder the target is to meet), so a trial
// that met the target at h meets it at every easier value and one that
// missed it at h misses it at every harder one: those trials need no run.
// A trial that has shown otherwise (met at a harder value than one it
// missed) is known nowhere from then on: it is run at every value.
class TrialMemory {
 public:
  // 1: met, 0: missed, -1: not known.
  int Known(int trial, std::int64_t hardness) const;
  void Record(int trial, std::int64_t hardness, bool met);
  // Trials that have shown they do not follow the lever one way.
  int Unruly() const { return unruly_; }

 private:
  void Grow(int trials);
  std::vector<std::int64_t> metUpTo_;
  std::vector<std::int64_t> missedFrom_;
  std::vector<char> unrulyTrial_;
  int unruly_ = 0;
};

struct TrialCount {
  int trials = 0;  // the first `trials` trials of the model
  // Trials that must meet the target, in hundredths of a percent (9000: 90 %).
  std::int64_t percentHundredths = 0;
};

struct TrialCountRun {
  int threads = 1;
  const std::atomic<bool>* cancel = nullptr;
  // Stop as soon as the outcome is certain (the share is then not known).
  bool stopWhenDecided = false;
  TrialMemory* memory = nullptr;  // trials known from earlier values need no run
  bool inferFromMemory = true;    // false: the memory only records what the trials did
  std::int64_t hardness = 0;      // where this value lies, for the memory
  // Without inference: what each trial did at this very value so far (1: met,
  // 0: missed, -1: not run); those known are not run again, new ones are added.
  std::vector<signed char>* exact = nullptr;
  // The trials in the order they are run and counted (each of the first
  // `trials` once; otherwise ignored) instead of from the first, so that an
  // early stop comes sooner.
  const std::vector<int>* order = nullptr;
  std::function<void(int run)> progress;  // trials run so far in this call
  PastInflationRule past = PastInflationRule::Recorded;  // the same past in every trial
};

struct TrialCountOutcome {
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
TrialCountOutcome CountTrialsMeeting(const PlanRecord& plan, const PathModel& model, const Target& target,
                                    const TrialCount& count, const TrialCountRun& run);
