#pragma once

#include <array>
#include <string>
#include <vector>

#include "model/HomeSituation.h"
#include "pages/DataPage.h"

class QRadioButton;

// The home status page, reached from the assets page: rent or own, a planned
// purchase, sale or move to renting, and the figures each situation needs.
// The texts typed for a quantity survive a change of situation.
class HomeStatusPage : public DataPage {
  Q_OBJECT

 public:
  HomeStatusPage(Session& session, Platform& platform, Navigator& navigator, QWidget* parent = nullptr);

  int HelpContext() const override { return kHelpContext; }
  // The box of the chosen situation that holds `field`.
  QLineEdit* EditFor(const PlanField& field) const override;
  void Hidden() override;
  void CloseRequested() override { ReturnToAssets(); }

 protected:
  void GoBack() override { ReturnToAssets(); }
  // Activation only marks the fill as due; the next paint performs it.
  void Refresh() override;
  bool ValidatePage() override { return ValidateHomeStatusPage(); }
  void paintEvent(QPaintEvent* event) override;

 private:
  static constexpr int kHelpContext = 1000;

  void BuildControls();
  void BuildMenu();
  // Any read of the boxes first completes a fill that is still due.
  void FillIfDue();
  void FillHomeStatusPage();
  void SelectHomeStatusButton();
  bool ValidateHomeStatusPage();
  // Asks once about figures that are likely mistyped; false keeps the user here.
  bool ConfirmLikelyMistypes();
  void SituationChosen(HomeSituation situation);
  // Keeps the texts of the rows of `situation` in HomeEditTexts.
  void KeepTypedTexts(HomeSituation situation);
  void HideAllRows();
  // Shows the rows of `situation` under their labels, with its instructions.
  void ShowSituationLayout(HomeSituation situation);
  void ReturnToAssets();
  // The box of one of the situation's rows.
  QLineEdit* EditOf(const EntryRow& row) const;

  bool fillDue_ = false;
  std::array<QRadioButton*, 5> buttons_{};
  // Rows 1..9 at index 0..8.
  std::array<QLabel*, 9> labels_{};
  std::array<QLineEdit*, 9> edits_{};
  QPlainTextEdit* memo_ = nullptr;
  // Warnings the user has already left the page with.
  OnceWarnings mistypes_;
};
