#pragma once

#include <QWidget>
#include <array>
#include <functional>

#include "views/OddsSettings.h"

class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class Prompts;

// The odds page's settings: the model and, for each model, its own values.
// Boxes hold their values to the ranges the models accept, so what the form
// gives always runs (a history file may still be refused when it is read).
class OddsSettingsForm : public QWidget {
  Q_OBJECT

 public:
  // `planFolder` gives the folder Browse starts in while no history file is chosen.
  OddsSettingsForm(Prompts& prompts, std::function<QString()> planFolder, QWidget* parent = nullptr);

  void SetValues(const OddsSettings& settings);
  OddsSettings Values() const;

 signals:
  // The model box changed (or the values were set).
  void ModelChosen(MarketModelKind model);

 private:
  void BrowseClicked();
  void ModelChanged();
  MarketModelKind ChosenModel() const;
  void UseHistorySwingsClicked();
  void ShowSwingsOrigin();

  Prompts& prompts_;
  std::function<QString()> planFolder_;
  QComboBox* model_;
  QSpinBox* trials_;
  QSpinBox* seed_;
  std::array<QDoubleSpinBox*, kRateSeriesCount> deviations_{};
  QDoubleSpinBox* correlation_;
  QLabel* swingsOrigin_;
  QPushButton* historySwings_;
  QComboBox* historySource_;
  QLineEdit* historyFile_;
  QPushButton* browse_;
  QDoubleSpinBox* stocksTaxable_;
  QDoubleSpinBox* stocksDeferred_;
  QCheckBox* completeOnly_;
  QSpinBox* block_;
};
