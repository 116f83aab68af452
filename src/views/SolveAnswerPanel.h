#pragma once

#include <QWidget>

#include "solve/Solver.h"

class QLabel;

// The answer in large type, its target and proof, and beneath what the
// command line prints with it: the final net worth and deepest shortfall at
// the answer, the law's limits it passes, a target that makes the lever
// matter, and what the lever moves.
class SolveAnswerPanel : public QWidget {
  Q_OBJECT

 public:
  explicit SolveAnswerPanel(QWidget* parent = nullptr);

  void ShowPrompt(const QString& prompt);
  void ShowSearching();
  void ShowResult(const PlanRecord& plan, const SolveRequest& request, const SolveResult& result);
  void AddNote(const QString& note);

 private:
  QLabel* answer_;
  QLabel* proof_;
  QLabel* details_;
};
