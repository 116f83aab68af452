#include "views/BackgroundJob.h"

#include <QMetaObject>
#include <exception>
#include <new>

BackgroundJob::BackgroundJob(Work work, QString what, QObject* parent)
    : QObject(parent), work_(std::move(work)), what_(std::move(what)) {}

BackgroundJob::~BackgroundJob() {
  cancel_.store(true);
  if (worker_.joinable()) worker_.join();
}

void BackgroundJob::Start() {
  if (running_ || worker_.joinable()) return;
  running_ = true;
  // Queued calls addressed to this object are dropped if it is destroyed
  // first, and the destructor joins before that.
  worker_ = std::thread([this] {
    const Report report = [this](std::int64_t done, std::int64_t total) {
      QMetaObject::invokeMethod(
          this, [this, done, total] { emit Progress(done, total); }, Qt::QueuedConnection);
    };
    QString error;
    try {
      work_(cancel_, report);
    } catch (const std::bad_alloc&) {
      error = QString("The %1 ran out of memory. Try fewer trials.").arg(what_);
    } catch (const std::exception& e) {
      error = QString("The %1 stopped: %2").arg(what_, e.what());
    }
    QMetaObject::invokeMethod(
        this, [this, error] { Deliver(error); }, Qt::QueuedConnection);
  });
}

void BackgroundJob::Deliver(const QString& error) {
  if (worker_.joinable()) worker_.join();
  running_ = false;
  emit Finished(cancel_.load(), error);
}
