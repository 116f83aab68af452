#pragma once

#include <QObject>
#include <QString>
#include <atomic>
#include <memory>
#include <thread>

#include "model/PlanRecord.h"
#include "odds/OddsResult.h"
#include "odds/PathModel.h"
#include "markets/ForecastRules.h"

// One simulation running in the background. RunOdds works on its own
// thread; progress and the end arrive as signals on the thread that owns
// this object, so a page can update its widgets from them directly.
// Destroying a run cancels it and waits for its thread (a few milliseconds).
class OddsRun : public QObject {
  Q_OBJECT

 public:
  // `threads` 0 uses every core the machine has.
  OddsRun(const PlanRecord& plan, std::shared_ptr<const PathModel> model, ForecastRules rules, int threads = 0,
          QObject* parent = nullptr);
  ~OddsRun() override;
  OddsRun(const OddsRun&) = delete;
  OddsRun& operator=(const OddsRun&) = delete;

  void Start();
  // Asks the trials to stop; Finished follows with no result.
  void Cancel();
  bool IsRunning() const { return running_; }

  // What the run works on, for replaying one of its trials.
  const PlanRecord& Plan() const { return plan_; }
  const std::shared_ptr<const PathModel>& Model() const { return model_; }
  ForecastRules Rules() const { return rules_; }

 signals:
  void Progress(int done, int total);
  // `result` is empty when the run was cancelled or failed; `error` says why it failed.
  void Finished(std::shared_ptr<const OddsResult> result, const QString& error);

 private:
  void Work();
  void Deliver(std::shared_ptr<const OddsResult> result, const QString& error);

  const PlanRecord plan_;
  const std::shared_ptr<const PathModel> model_;
  const ForecastRules rules_;
  const int threads_;
  std::atomic<bool> cancel_{false};
  bool running_ = false;
  std::thread worker_;
};
