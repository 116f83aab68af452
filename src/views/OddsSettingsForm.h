#pragma once

#include <QWidget>
#include <array>

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
  OddsSettingsForm(Prompts& prompts, QWidget* parent = nullptr);

  void SetValues(const OddsSettings& settings);
  OddsSettings Values() const;

 private:
  void BrowseClicked();
  void ModelChanged();
  OddsModelChoice ChosenModel() const;
  void UseHistorySwingsClicked();
  void ShowSwingsOrigin();

  Prompts& prompts_;
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
