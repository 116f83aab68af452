#pragma once

#include <QWidget>
#include <optional>
#include <string>

#include "compare/ComparisonMetric.h"
#include "solve/Frontier.h"

class QComboBox;
class QLineEdit;

// What the Solve page moves: the lever solved, the second lever and range a
// frontier steps along, and the figure sensitivity measures.
class SolveLeverPanel : public QWidget {
  Q_OBJECT

 public:
  explicit SolveLeverPanel(QWidget* parent = nullptr);

  // Nothing, with the reason in `error`, when the typed words match no lever.
  std::optional<Lever> Chosen(std::string& error) const;
  std::optional<FrontierRequest> FrontierOf(const SolveRequest& solve, const PlanRecord& plan,
                                            std::string& error) const;
  ComparisonMetric Metric() const;
  QWidget* FirstFocus() const;
  // With the odds, sensitivity counts trials and takes no figure.
  void SetBusy(bool busy, bool withOdds);

 signals:
  void LeverChanged();

 private:
  QComboBox* lever_;
  QComboBox* frontierLever_;
  QLineEdit* frontierFrom_;
  QLineEdit* frontierTo_;
  QComboBox* metric_;
};
