#include "views/SolveJob.h"

#include <QMetaObject>
#include <exception>
#include <new>

SolveJob::SolveJob(Work work, QObject* parent) : QObject(parent), work_(std::move(work)) {}

SolveJob::~SolveJob() {
  cancel_.store(true);
  if (worker_.joinable()) worker_.join();
}

void SolveJob::Start() {
  if (running_ || worker_.joinable()) return;
  running_ = true;
  // Queued calls addressed to this object are dropped if it is destroyed
  // first, and the destructor joins before that.
  worker_ = std::thread([this] {
    SolveControl control;
    control.cancel = &cancel_;
    control.progress = [this](std::int64_t forecasts) {
      QMetaObject::invokeMethod(
          this, [this, forecasts] { emit Progress(forecasts); }, Qt::QueuedConnection);
    };
    QString error;
    try {
      work_(control);
    } catch (const std::bad_alloc&) {
      error = "The search ran out of memory. Try fewer trials.";
    } catch (const std::exception& e) {
      error = QString("The search stopped: %1").arg(e.what());
    }
    QMetaObject::invokeMethod(
        this, [this, error] { Deliver(error); }, Qt::QueuedConnection);
  });
}

void SolveJob::Deliver(const QString& error) {
  if (worker_.joinable()) worker_.join();
  running_ = false;
  emit Finished(cancel_.load(), error);
}
