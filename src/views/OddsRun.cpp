#include "views/OddsRun.h"

#include <QMetaObject>
#include <algorithm>
#include <exception>
#include <new>

#include "odds/OddsRunner.h"

namespace {

int MachineThreads() {
  const unsigned cores = std::thread::hardware_concurrency();
  return std::clamp(static_cast<int>(cores), 1, kMaxOddsThreads);
}

}  // namespace

OddsRun::OddsRun(const PlanRecord& plan, std::shared_ptr<const PathModel> model, ForecastRules rules, int threads,
                 QObject* parent)
    : QObject(parent),
      plan_(plan),
      model_(std::move(model)),
      rules_(rules),
      threads_(threads > 0 ? std::min(threads, kMaxOddsThreads) : MachineThreads()) {}

OddsRun::~OddsRun() {
  cancel_.store(true);
  if (worker_.joinable()) worker_.join();
}

void OddsRun::Start() {
  if (running_ || worker_.joinable()) return;
  running_ = true;
  worker_ = std::thread([this] { Work(); });
}

void OddsRun::Cancel() { cancel_.store(true); }

// Runs on the worker thread. Queued calls addressed to this object are
// dropped if it is destroyed first, and the destructor joins before that.
void OddsRun::Work() {
  OddsRunControl control;
  control.threads = threads_;
  control.rules = rules_;
  control.cancel = &cancel_;
  control.progress = [this](int done, int total) {
    QMetaObject::invokeMethod(
        this, [this, done, total] { emit Progress(done, total); }, Qt::QueuedConnection);
  };
  std::shared_ptr<const OddsResult> result;
  QString error;
  try {
    std::optional<OddsResult> outcome = RunOdds(plan_, *model_, control);
    if (outcome) result = std::make_shared<const OddsResult>(std::move(*outcome));
  } catch (const std::bad_alloc&) {
    error = "The simulation ran out of memory. Try fewer trials.";
  } catch (const std::exception& e) {
    error = QString("The simulation stopped: %1").arg(e.what());
  }
  QMetaObject::invokeMethod(
      this, [this, result, error] { Deliver(result, error); }, Qt::QueuedConnection);
}

void OddsRun::Deliver(std::shared_ptr<const OddsResult> result, const QString& error) {
  if (worker_.joinable()) worker_.join();
  running_ = false;
  emit Finished(cancel_.load() ? nullptr : std::move(result), error);
}
