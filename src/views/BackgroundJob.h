#pragma once

#include <QObject>
#include <QString>
#include <atomic>
#include <cstdint>
#include <functional>
#include <thread>

// Work that runs on a thread of its own while the window stays usable: a
// simulation, a search. Progress and the end arrive as signals on the thread
// that owns the job, so a page updates its widgets from them directly.
// Destroying a job cancels it and waits for its thread (the moments the work
// needs to notice the cancel flag).
class BackgroundJob : public QObject {
  Q_OBJECT

 public:
  // Called by the work, on its thread, with how far it got.
  using Report = std::function<void(std::int64_t done, std::int64_t total)>;
  // The work stops soon after `cancel` is set.
  using Work = std::function<void(const std::atomic<bool>& cancel, const Report& report)>;

  // `what` names the work in a failure: "The search ran out of memory."
  BackgroundJob(Work work, QString what, QObject* parent = nullptr);
  ~BackgroundJob() override;
  BackgroundJob(const BackgroundJob&) = delete;
  BackgroundJob& operator=(const BackgroundJob&) = delete;

  void Start();
  void Cancel() { cancel_.store(true); }
  bool IsRunning() const { return running_; }

 signals:
  void Progress(qint64 done, qint64 total);
  // `error` says why the work stopped, when it failed.
  void Finished(bool cancelled, const QString& error);

 private:
  void Deliver(const QString& error);

  Work work_;
  QString what_;
  std::atomic<bool> cancel_{false};
  bool running_ = false;
  std::thread worker_;
};
