#pragma once

#include "pages/DataPage.h"

// The assumptions page: the current calendar year and the ten rates of the
// forecast, the only page that takes decimal and negative entries.
class Tf8assum : public DataPage {
  Q_OBJECT

 public:
  Tf8assum(Session& session, Platform& platform, Navigator& navigator, QWidget* parent = nullptr);

  int HelpContext() const override { return kHelpContext; }
  void FormCloseQuery() override;

 protected:
  void Refresh() override { FillAssumptionsPage(); }
  bool ValidatePage() override { return ValidateAssumptionsPage(); }

 private:
  static constexpr int kHelpContext = 1400;

  void BuildMenu();
  void FillAssumptionsPage();
  bool ValidateAssumptionsPage();
  void Default1Click();
  // A menu command that leaves the page; a Yes to the year question leads to
  // the personal data page instead of the chosen one.
  void Navigate(int page);
};
