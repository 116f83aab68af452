#pragma once

#include "pages/DataPage.h"

// The expense summary: this year's ten expense lines and their total, all
// computed, and the doors to the eight expense category pages.
class ExpenseSummaryPage : public DataPage {
  Q_OBJECT

 public:
  ExpenseSummaryPage(Session& session, Platform& platform, Navigator& navigator, QWidget* parent = nullptr);

  int HelpContext() const override { return kHelpContext; }

 protected:
  void Refresh() override { FillExpenseSummaryPage(); }
  bool ValidatePage() override { return ValidateExpenseSummaryPage(); }

 private:
  static constexpr int kHelpContext = 1300;

  void BuildMenu();
  void BuildLines();
  void FillExpenseSummaryPage();
  bool ValidateExpenseSummaryPage();
  // A category button: the category page opens without validating this page.
  void OpenCategoryPage(PageId page);
};
