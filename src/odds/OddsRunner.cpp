#include "odds/OddsRunner.h"

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <exception>
#include <mutex>
#include <thread>
#include <vector>

#include "odds/OddsCollector.h"
#include "odds/TrialForecast.h"

namespace {

// Small enough that a cancel lands within one batch, large enough that the
// shared counter is not contended.
constexpr int kBatchTrials = 8;
constexpr auto kReportInterval = std::chrono::milliseconds(25);

class TrialPool {
 public:
  TrialPool(const PlanRecord& plan, const PathModel& model, PastInflationRule past, OddsCollector& collector)
      : plan_(plan), model_(model), past_(past), collector_(collector), total_(model.TrialCount()) {}

  void Work(const std::atomic<bool>* cancel) {
    try {
      while (!Stopping(cancel)) {
        const int first = next_.fetch_add(kBatchTrials);
        if (first >= total_) break;
        const int end = std::min(first + kBatchTrials, total_);
        for (int trial = first; trial < end && !Stopping(cancel); ++trial) {
          RunOne(trial);
          done_.fetch_add(1, std::memory_order_relaxed);
        }
      }
    } catch (...) {
      std::lock_guard<std::mutex> lock(mutex_);
      if (!failure_) failure_ = std::current_exception();
      stop_.store(true);
    }
    std::lock_guard<std::mutex> lock(mutex_);
    ++finishedWorkers_;
    finished_.notify_all();
  }

  // Reports progress until every worker has finished.
  void Watch(int workers, const OddsRunControl& control) {
    std::unique_lock<std::mutex> lock(mutex_);
    while (finishedWorkers_ < workers) {
      finished_.wait_for(lock, kReportInterval);
      if (control.progress) {
        lock.unlock();
        control.progress(done_.load(), total_);
        lock.lock();
      }
    }
    lock.unlock();
    if (control.progress) control.progress(done_.load(), total_);
  }

  bool Cancelled(const std::atomic<bool>* cancel) const { return cancel != nullptr && cancel->load(); }
  std::exception_ptr Failure() const { return failure_; }
  int Done() const { return done_.load(); }

 private:
  bool Stopping(const std::atomic<bool>* cancel) const {
    return stop_.load(std::memory_order_relaxed) || Cancelled(cancel);
  }

  void RunOne(int trial) {
    const TrialRates rates = model_.Path(trial);
    const Forecast forecast = RunTrialForecast(plan_, rates, past_);
    collector_.Record(trial, GradeTrial(plan_, forecast.table), forecast.table, InCurrentDollars(plan_, forecast));
  }

  const PlanRecord& plan_;
  const PathModel& model_;
  const PastInflationRule past_;
  OddsCollector& collector_;
  const int total_;
  std::atomic<int> next_{0};
  std::atomic<int> done_{0};
  std::atomic<bool> stop_{false};
  std::mutex mutex_;
  std::condition_variable finished_;
  int finishedWorkers_ = 0;
  std::exception_ptr failure_;
};

}  // namespace

int OddsThreads(int requested) {
  const int wanted = requested > 0 ? requested : static_cast<int>(std::thread::hardware_concurrency());
  return std::clamp(wanted, 1, kMaxOddsThreads);
}

std::optional<OddsResult> RunOdds(const PlanRecord& plan, const PathModel& model, const OddsRunControl& control) {
  const int total = model.TrialCount();
  OddsCollector collector(plan, total);
  TrialPool pool(plan, model, control.past, collector);
  const int workers = std::clamp(std::min(control.threads, total), 1, kMaxOddsThreads);
  std::vector<std::thread> threads;
  threads.reserve(static_cast<std::size_t>(workers));
  for (int i = 0; i < workers; ++i) threads.emplace_back([&pool, &control] { pool.Work(control.cancel); });
  pool.Watch(workers, control);
  for (std::thread& thread : threads) thread.join();

  if (pool.Failure()) std::rethrow_exception(pool.Failure());
  if (pool.Cancelled(control.cancel) && pool.Done() < total) return std::nullopt;
  return collector.Finish();
}

TrialReplay ReplayTrial(const PlanRecord& plan, const PathModel& model, int trial, PastInflationRule past) {
  TrialReplay replay;
  replay.rates = model.Path(trial);
  const Forecast forecast = RunTrialForecast(plan, replay.rates, past);
  replay.table = forecast.table;
  replay.currentTable = InCurrentDollars(plan, forecast);
  replay.grade = GradeTrial(plan, replay.table);
  return replay;
}
