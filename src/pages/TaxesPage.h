#pragma once

#include <array>

#include "engine/TaxRules.h"
#include "model/FilingStatus.h"
#include "pages/DataPage.h"

class QGroupBox;
class QPushButton;
class QRadioButton;

// The taxes page: filing status, each person's current income taxes, and the
// FICA taxes and total the program derives from the income page.
class TaxesPage : public DataPage {
  Q_OBJECT

 public:
  TaxesPage(Session& session, Platform& platform, Navigator& navigator, QWidget* parent = nullptr);

  void Hidden() override;
  int HelpContext() const override { return kHelpContext; }

  // Status from the buttons: the first checked of the first three, else
  // separate filing.
  FilingStatus ReadFilingStatus() const;

 protected:
  // Activation only marks the fill as due; the next paint performs it.
  void Refresh() override;
  bool ValidatePage() override { return ValidateTaxesPage(); }
  void paintEvent(QPaintEvent* event) override;

 private:
  static constexpr int kHelpContext = 1200;

  void BuildControls();
  void BuildMenu();
  // Any read of the boxes first completes a fill that is still due, so stale
  // texts from an earlier visit are never stored.
  void FillIfDue();
  void FillTaxesPage();
  void SelectFilingStatusButton();
  bool ValidateTaxesPage();
  void UpdateTotals();
  // Social Security and Medicare of each person employed now, then the total.
  void FicaStep();
  void ShowTaxTotal();
  void FilingStatusChosen(FilingStatus status);
  void ShowSecondPersonLayout(bool twoPersons);
  void ShowSecondPersonIncomeTaxRows(bool shown);
  // The tax rules of future years (a program setting, not part of the plan),
  // the law's estimate of this year's federal tax and the note for a missing one.
  void BuildTaxRulesChoice();
  void ShowTaxRulesChoice();
  void TaxRulesChosen(TaxRules rules);
  void UseLawEstimate();

  bool fillDue_ = false;
  QGroupBox* group_ = nullptr;
  std::array<QRadioButton*, 4> statusButtons_{};
  QLabel* heading1_ = nullptr;
  QLabel* heading2_ = nullptr;
  // Person 2's rows: federal, state, Social Security, Medicare.
  std::array<QLabel*, 4> secondLabels_{};
  std::array<QLineEdit*, 4> secondEdits_{};
  // Edit1 .. Edit8 in their parse order.
  std::array<QLineEdit*, 8> amountEdits_{};
  std::array<QRadioButton*, 2> rulesButtons_{};
  QLabel* estimate_ = nullptr;
  QPushButton* useEstimate_ = nullptr;
  QLabel* ratioNote_ = nullptr;
};
