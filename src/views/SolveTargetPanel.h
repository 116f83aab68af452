#pragma once

#include <QWidget>

#include "solve/Target.h"

class QCheckBox;
class QComboBox;
class QSpinBox;

// What the answer must meet: never borrow (the default), never new debt, or a
// net worth at an age; optionally in a share of the odds page's trials.
class SolveTargetPanel : public QWidget {
  Q_OBJECT

 public:
  explicit SolveTargetPanel(QWidget* parent = nullptr);

  Target Chosen() const;
  bool WithOdds() const;
  int OddsPercent() const;
  // A net worth target's age starts at the first person's retirement age.
  void SuggestAge(int age);
  // Sets the boxes to `target` (a proposed target the user may run at once).
  void Choose(const Target& target);
  void SetBusy(bool busy);

 signals:
  void Changed();

 private:
  void Enable();

  bool busy_ = false;
  QComboBox* kind_;
  QSpinBox* age_;
  QSpinBox* amount_;
  QCheckBox* useOdds_;
  QSpinBox* oddsPercent_;
};
