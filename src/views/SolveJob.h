#pragma once

#include <QObject>
#include <QString>
#include <atomic>
#include <functional>
#include <thread>

#include "solve/Solver.h"

// One solve, frontier or sensitivity working in the background. The work
// runs on its own thread; progress and the end arrive as signals on the
// thread that owns this object. Destroying a job cancels it and waits for it.
class SolveJob : public QObject {
  Q_OBJECT

 public:
  using Work = std::function<void(const SolveControl&)>;

  explicit SolveJob(Work work, QObject* parent = nullptr);
  ~SolveJob() override;
  SolveJob(const SolveJob&) = delete;
  SolveJob& operator=(const SolveJob&) = delete;

  void Start();
  bool IsRunning() const { return running_; }

 signals:
  void Progress(qint64 forecasts);
  // `error` says why the work stopped, when it failed.
  void Finished(bool cancelled, const QString& error);

 private:
  void Deliver(const QString& error);

  Work work_;
  std::atomic<bool> cancel_{false};
  bool running_ = false;
  std::thread worker_;
};
