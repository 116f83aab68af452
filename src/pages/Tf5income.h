#pragma once

#include <vector>

#include "pages/DataPage.h"

// The income page: each person's salary, tax deferred contributions, private
// pension and Social Security, in current dollars. An amount entered for an
// event whose age is still zero sets a default age and leads the user to the
// personal data page once.
class Tf5income : public DataPage {
  Q_OBJECT

 public:
  Tf5income(Session& session, Platform& platform, Navigator& navigator, QWidget* parent = nullptr);

  int HelpContext() const override { return kHelpContext; }
  void FormCloseQuery() override { Leave(kGraphPage); }

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
  // Validates, then shows `page`, or the personal data page when an age was
  // just set for the user to review.
  void Leave(int page);

  QLabel* heading1_ = nullptr;
  QLabel* heading2_ = nullptr;
  std::vector<QWidget*> secondPersonBlock_;
};
