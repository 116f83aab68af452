#pragma once

#include <array>

#include "pages/DataPage.h"
#include "shell/RuleSettings.h"

class QRadioButton;

// The assumptions page: the current calendar year and the ten rates of the
// forecast, the only page that takes decimal and negative entries, and how
// the accounts are drawn on.
class AssumptionsPage : public DataPage {
  Q_OBJECT

 public:
  AssumptionsPage(Session& session, Platform& platform, Navigator& navigator, QWidget* parent = nullptr);

  int HelpContext() const override { return kHelpContext; }
  // A Yes to the question about a changed year leads to the personal data
  // page instead of the page asked for; by the close box it keeps the page open.
  LeaveDecision DecideLeaving(PageId to, LeaveBy by) override;

 protected:
  void Refresh() override { FillAssumptionsPage(); }
  bool ValidatePage() override { return ValidateAssumptionsPage(); }

 private:
  static constexpr int kHelpContext = 1400;

  void BuildMenu();
  void FillAssumptionsPage();
  bool ValidateAssumptionsPage();
  void RestoreDefaultRates();
  // The choice of the past years' inflation, a program setting for every plan.
  void BuildPastInflationChoice();
  void ShowPastInflationChoice();
  void PastInflationChosen(PastInflationRule rule);

  QLabel* pastYearsLabel_ = nullptr;
  std::array<QRadioButton*, 2> pastButtons_{};  // recorded, the plan's rate
  QLineEdit* lastBox_ = nullptr;
  OnceWarnings mistypes_;
};
