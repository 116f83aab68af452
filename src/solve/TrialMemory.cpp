#include "solve/TrialMemory.h"

#include <algorithm>
#include <exception>
#include <mutex>
#include <thread>

#include "odds/OddsRunner.h"
#include "odds/TrialForecast.h"

namespace {

// Trials are run and counted a chunk at a time; the chunks are the same for
// any thread count, so where an early stop falls is too.
constexpr int kChunkTrials = 256;
// Trials in a chosen order are counted in smaller chunks, the first just
// large enough to decide a failure: the first few often decide.
constexpr int kOrderedChunkTrials = 64;
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
  const int workers = std::min(OddsThreads(threads), std::max(1, static_cast<int>(trials.size())));
  std::vector<std::thread> pool;
  for (int i = 1; i < workers; ++i) pool.emplace_back(work);
  work();
  for (std::thread& thread : pool) thread.join();
  if (failure) std::rethrow_exception(failure);
}

}  // namespace

int TrialMemory::Known(int trial, std::int64_t hardness) const {
  const std::size_t i = static_cast<std::size_t>(trial);
  if (i >= metUpTo_.size() || unrulyTrial_[i]) return -1;
  if (metUpTo_[i] != -kNever && hardness <= metUpTo_[i]) return 1;
  if (missedFrom_[i] != kNever && hardness >= missedFrom_[i]) return 0;
  return -1;
}

void TrialMemory::Record(int trial, std::int64_t hardness, bool met) {
  Grow(trial + 1);
  const std::size_t i = static_cast<std::size_t>(trial);
  if (unrulyTrial_[i]) return;
  if (Known(trial, hardness) == (met ? 0 : 1)) {
    unrulyTrial_[i] = 1;
    ++unruly_;
    return;
  }
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
  unrulyTrial_.resize(static_cast<std::size_t>(trials), 0);
}

int TrialsNeeded(const TrialCount& count) {
  const std::int64_t scaled = count.percentHundredths * count.trials;
  return static_cast<int>((scaled + 9999) / 10000);
}

TrialCountOutcome CountTrialsMeeting(const PlanRecord& plan, const PathModel& model, const Target& target,
                                    const TrialCount& count, const TrialCountRun& run) {
  TrialCountOutcome outcome;
  outcome.trials = std::min(count.trials, model.TrialCount());
  const int needed = TrialsNeeded({outcome.trials, count.percentHundredths});
  const std::vector<int>* const order =
      run.order && run.order->size() == static_cast<std::size_t>(outcome.trials) ? run.order : nullptr;
  // Trials inferred from the memory are not this value's own results.
  std::vector<signed char>* const exact = run.memory && run.inferFromMemory ? nullptr : run.exact;
  if (exact && exact->size() < static_cast<std::size_t>(outcome.trials)) {
    exact->resize(static_cast<std::size_t>(outcome.trials), -1);
  }
  std::vector<int> toRun;
  std::vector<char> met;
  const int chunk = order ? kOrderedChunkTrials : kChunkTrials;
  const int firstChunk = order ? std::clamp(outcome.trials - needed + 1, 1, kChunkTrials) : kChunkTrials;
  for (int first = 0, size = firstChunk; first < outcome.trials; first += size, size = chunk) {
    const int end = std::min(first + size, outcome.trials);
    toRun.clear();
    for (int position = first; position < end; ++position) {
      const int trial = order ? (*order)[static_cast<std::size_t>(position)] : position;
      int known = -1;
      if (exact && (*exact)[static_cast<std::size_t>(trial)] >= 0) {
        known = (*exact)[static_cast<std::size_t>(trial)];
        if (run.memory) run.memory->Record(trial, run.hardness, known == 1);
      } else if (run.memory && run.inferFromMemory) {
        known = run.memory->Known(trial, run.hardness);
      }
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
      if (exact) (*exact)[static_cast<std::size_t>(toRun[i])] = met[i];
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
