#include "solve/TrialOdds.h"

#include <algorithm>
#include <exception>
#include <mutex>
#include <thread>

#include "odds/TrialForecast.h"

namespace {

// Trials are run and counted a chunk at a time; the chunks are the same for
// any thread count, so where an early stop falls is too.
constexpr int kChunkTrials = 256;
constexpr std::int64_t kNever = std::numeric_limits<std::int64_t>::max();

bool Cancelled(const std::atomic<bool>* cancel) { return cancel != nullptr && cancel->load(); }

// Runs every listed trial, on up to `threads` threads; result 1 for a trial that met the target.
void RunTrials(const PlanRecord& plan, const PathModel& model, const Target& target, const std::vector<int>& trials,
               std::vector<char>& met, int threads, const std::atomic<bool>* cancel, PastInflationRule past) {
  std::atomic<std::size_t> next{0};
  std::exception_ptr failure;
  std::mutex failureMutex;
  const auto work = [&] {
    try {
      for (std::size_t i = next++; i < trials.size() && !Cancelled(cancel); i = next++) {
        const Forecast forecast = RunTrialForecast(plan, model.Path(trials[i]), past);
        met[i] = MeetsTarget(target, plan, forecast) ? 1 : 0;
      }
    } catch (...) {
      const std::lock_guard<std::mutex> lock(failureMutex);
      if (!failure) failure = std::current_exception();
      next = trials.size();
    }
  };
  const int workers = std::clamp(std::min(threads, static_cast<int>(trials.size())), 1, 64);
  std::vector<std::thread> pool;
  for (int i = 1; i < workers; ++i) pool.emplace_back(work);
  work();
  for (std::thread& thread : pool) thread.join();
  if (failure) std::rethrow_exception(failure);
}

}  // namespace

int TrialMemory::Known(int trial, std::int64_t hardness) const {
  const std::size_t i = static_cast<std::size_t>(trial);
  if (i >= metUpTo_.size()) return -1;
  if (metUpTo_[i] != -kNever && hardness <= metUpTo_[i]) return 1;
  if (missedFrom_[i] != kNever && hardness >= missedFrom_[i]) return 0;
  return -1;
}

void TrialMemory::Record(int trial, std::int64_t hardness, bool met) {
  Grow(trial + 1);
  const std::size_t i = static_cast<std::size_t>(trial);
  if (met) {
    metUpTo_[i] = std::max(metUpTo_[i], hardness);
  } else {
    missedFrom_[i] = std::min(missedFrom_[i], hardness);
  }
}

void TrialMemory::Grow(int trials) {
  if (static_cast<std::size_t>(trials) <= metUpTo_.size()) return;
  metUpTo_.resize(static_cast<std::size_t>(trials), -kNever);
  missedFrom_.resize(static_cast<std::size_t>(trials), kNever);
}

int TrialsNeeded(const TrialCount& count) {
  const std::int64_t scaled = count.percentHundredths * count.trials;
  return static_cast<int>((scaled + 9999) / 10000);
}

TrialOddsOutcome CountTrialsMeeting(const PlanRecord& plan, const PathModel& model, const Target& target,
                                    const TrialCount& count, const TrialOddsRun& run) {
  TrialOddsOutcome outcome;
  outcome.trials = std::min(count.trials, model.TrialCount());
  const int needed = TrialsNeeded({outcome.trials, count.percentHundredths});
  std::vector<int> toRun;
  std::vector<char> met;
  for (int first = 0; first < outcome.trials; first += kChunkTrials) {
    const int end = std::min(first + kChunkTrials, outcome.trials);
    toRun.clear();
    for (int trial = first; trial < end; ++trial) {
      const int known = run.memory ? run.memory->Known(trial, run.hardness) : -1;
      if (known < 0) {
        toRun.push_back(trial);
      } else {
        (known == 1 ? outcome.met : outcome.missed) += 1;
      }
    }
    met.assign(toRun.size(), 0);
    RunTrials(plan, model, target, toRun, met, run.threads, run.cancel, run.past);
    if (Cancelled(run.cancel)) {
      outcome.cancelled = true;
      return outcome;
    }
    for (std::size_t i = 0; i < toRun.size(); ++i) {
      (met[i] ? outcome.met : outcome.missed) += 1;
      if (run.memory) run.memory->Record(toRun[i], run.hardness, met[i] != 0);
    }
    outcome.run += static_cast<int>(toRun.size());
    if (run.progress) run.progress(outcome.run);
    const bool decided = outcome.met >= needed || outcome.trials - outcome.missed < needed;
    if (run.stopWhenDecided && decided) break;
  }
  outcome.holds = outcome.met >= needed;
  outcome.complete = outcome.met + outcome.missed == outcome.trials;
  return outcome;
}
