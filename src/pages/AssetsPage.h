#pragma once

#include "pages/DataPage.h"

// The assets page: today's investments and debts, the current home equity and
// net worth, and the way to the home status page.
class AssetsPage : public DataPage {
  Q_OBJECT

 public:
  AssetsPage(Session& session, Platform& platform, Navigator& navigator, QWidget* parent = nullptr);

  int HelpContext() const override { return kHelpContext; }

 protected:
  void Refresh() override { FillAssetsPage(); }
  bool ValidatePage() override { return ValidateAssetsPage(); }

 private:
  static constexpr int kHelpContext = 900;

  void BuildControls();
  void BuildMenu();
  void FillAssetsPage();
  bool ValidateAssetsPage();
  void UpdateNetWorth();
  void UpdateTotals();
  void OpenHomeStatus();
};
