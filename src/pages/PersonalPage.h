#pragma once

#include <QStringList>
#include <array>

#include "pages/DataPage.h"

class QCheckBox;

// The personal data page: names, current ages and the ages at which
// employment, retirement, pensions and Social Security start, and the switch
// between a one- and a two-person plan.
class PersonalPage : public DataPage {
  Q_OBJECT

 public:
  PersonalPage(Session& session, Platform& platform, Navigator& navigator, QWidget* parent = nullptr);

  int HelpContext() const override { return kHelpContext; }
  QLineEdit* EditFor(const PlanField& field) const override;

 protected:
  void Refresh() override { FillPersonalPage(); }
  bool ValidatePage() override { return ValidatePersonalPage(); }

 private:
  static constexpr int kHelpContext = 800;

  void BuildControls();
  void BuildMenu();
  void FillPersonalPage();
  bool ValidatePersonalPage();
  bool ConfirmAgeAdjustments();
  void SecondPersonToggled(bool checked);
  void SecondNameEdited(const QString& text);

  QCheckBox* secondPersonBox_ = nullptr;
  QLineEdit* name1Edit_ = nullptr;
  QLineEdit* name2Edit_ = nullptr;
  // Person 1's ages in their parse order: current, employment, retirement,
  // Social Security, pension.
  EntryBindings ages1_;
  EntryBindings ages2_;
  // Name #2, current age, retirement, Social Security, pension, employment start.
  std::array<QLineEdit*, 6> secondPersonEdits_{};
  // What the six second-person boxes held when the second person was switched
  // off, brought back when it is switched on again.
  QStringList keptSecondPersonTexts_{"0", "0", "0", "0", "0", "0"};
  bool restoring_ = false;
  // Warnings the user has already left the page with.
  QStringList acceptedWarnings_;
};
