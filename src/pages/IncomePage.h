#pragma once

#include <array>
#include <vector>

#include "pages/DataPage.h"

// The income page: each person's salary, tax deferred contributions, private
// pension and Social Security, in current dollars, and the Social Security
// benefit at full retirement age from each person's statement. An amount entered for an
// event whose age is still zero sets a default age and leads the user to the
// personal data page once.
class IncomePage : public DataPage {
  Q_OBJECT

 public:
  IncomePage(Session& session, Platform& platform, Navigator& navigator, QWidget* parent = nullptr);

  int HelpContext() const override { return kHelpContext; }
  // Ages just set for amounts entered lead to the personal data page, for
  // the user to review, whatever page was asked for.
  LeaveDecision DecideLeaving(PageId to, LeaveBy by) override;

 protected:
  void Refresh() override { FillIncomePage(); }
  bool ValidatePage() override { return ValidateIncomePage(); }

 private:
  static constexpr int kHelpContext = 1100;

  void BuildControls();
  void BuildMenu();
  void FillIncomePage();
  bool ValidateIncomePage();
  bool AdjustAges();
  // Beside each person: the yearly benefit a typed full-retirement benefit pays at the claiming age.
  void ShowClaimedBenefits();

  QLabel* heading1_ = nullptr;
  QLabel* heading2_ = nullptr;
  std::vector<QWidget*> secondPersonBlock_;
  std::array<QLabel*, 2> claimed_{};
};
