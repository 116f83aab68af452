#include "views/OddsSettingsForm.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>

#include "platform/Prompts.h"

namespace {

// Captions carry the mnemonics; the page's own buttons and menus use the
// letters these leave free.
const std::array<const char*, kRateSeriesCount> kDeviationCaptions = {
    "&Inflation swing:", "Ta&xable return swing:", "Tax-&deferred return swing:", "Real estate swin&g:"};
const std::array<const char*, kRateSeriesCount> kDeviationNames = {"OddsDeviationInflation", "OddsDeviationTaxable",
                                                                   "OddsDeviationDeferred", "OddsDeviationRealEstate"};

QString PlainCaption(const QString& caption) {
  QString plain = caption;
  plain.remove('&');
  if (plain.endsWith(':')) plain.chop(1);
  return plain;
}

// Labels the box for the keyboard (its mnemonic) and for assistive tools.
void AddRow(QFormLayout& form, const QString& caption, QWidget* field, QWidget* focusTarget = nullptr) {
  auto* label = new QLabel(caption);
  label->setBuddy(focusTarget ? focusTarget : field);
  (focusTarget ? focusTarget : field)->setAccessibleName(PlainCaption(caption));
  form.addRow(label, field);
}

QDoubleSpinBox* DecimalBox(const QString& name, double low, double high, double step, int decimals,
                           const QString& suffix = QString()) {
  auto* box = new QDoubleSpinBox;
  box->setSuffix(suffix);
  box->setObjectName(name);
  box->setRange(low, high);
  box->setSingleStep(step);
  box->setDecimals(decimals);
  return box;
}

}  // namespace

OddsSettingsForm::OddsSettingsForm(Prompts& prompts, std::function<QString()> planFolder, QWidget* parent)
    : QWidget(parent),
      prompts_(prompts),
      planFolder_(std::move(planFolder)),
      model_(new QComboBox),
      trials_(new QSpinBox),
      seed_(new QSpinBox),
      correlation_(DecimalBox("OddsCorrelationReturns", -1.0, 1.0, 0.05, 2)),
      historyFile_(new QLineEdit),
      browse_(new QPushButton("&Browse...")),
      stocksTaxable_(DecimalBox("OddsStocksTaxable", 0.0, 100.0, 5.0, 1, " %")),
      stocksDeferred_(DecimalBox("OddsStocksDeferred", 0.0, 100.0, 5.0, 1, " %")),
      completeOnly_(new QCheckBox("Com&plete windows only")) {
  model_->setObjectName("OddsModel");
  model_->addItem("Monte Carlo");
  model_->addItem("Historical replay");
  trials_->setObjectName("OddsTrials");
  trials_->setRange(kOddsMinTrials, kOddsMaxTrials);
  trials_->setSingleStep(1000);
  trials_->setGroupSeparatorShown(true);
  seed_->setObjectName("OddsSeed");
  seed_->setRange(0, kOddsMaxSeed);
  historyFile_->setObjectName("OddsHistoryFile");
  historyFile_->setPlaceholderText("CSV: Year,Inflation,Stocks,Bonds");
  browse_->setObjectName("OddsBrowse");
  browse_->setAccessibleName("Browse for a market history file");
  completeOnly_->setObjectName("OddsCompleteOnly");
  completeOnly_->setAccessibleName("Complete windows only");

  auto* form = new QFormLayout(this);
  form->setContentsMargins(0, 0, 0, 0);
  AddRow(*form, "&Model:", model_);
  AddRow(*form, "&Trials:", trials_);
  AddRow(*form, "&Seed:", seed_);
  for (std::size_t k = 0; k < deviations_.size(); ++k) {
    deviations_[k] = DecimalBox(kDeviationNames[k], 0.0, kOddsMaxDeviation, 0.5, 2, " points");
    AddRow(*form, kDeviationCaptions[k], deviations_[k]);
  }
  AddRow(*form, "Returns corre&lation:", correlation_);
  auto* fileRow = new QWidget;
  auto* fileLayout = new QHBoxLayout(fileRow);
  fileLayout->setContentsMargins(0, 0, 0, 0);
  fileLayout->addWidget(historyFile_, 1);
  fileLayout->addWidget(browse_);
  AddRow(*form, "Histor&y file:", fileRow, historyFile_);
  AddRow(*form, "Stoc&ks in taxable:", stocksTaxable_);
  AddRow(*form, "Stocks in tax-de&ferred:", stocksDeferred_);
  form->addRow(QString(), completeOnly_);

  connect(browse_, &QPushButton::clicked, this, &OddsSettingsForm::BrowseClicked);
  connect(model_, &QComboBox::currentIndexChanged, this, &OddsSettingsForm::ModelChanged);
  SetValues(OddsSettings());
}

void OddsSettingsForm::SetValues(const OddsSettings& settings) {
  model_->setCurrentIndex(settings.model == OddsModelChoice::Historical ? 1 : 0);
  trials_->setValue(settings.monteCarlo.trials);
  seed_->setValue(static_cast<int>(std::min<std::uint64_t>(settings.monteCarlo.seed, kOddsMaxSeed)));
  for (std::size_t k = 0; k < deviations_.size(); ++k) {
    deviations_[k]->setValue(static_cast<double>(settings.monteCarlo.deviations[k]));
  }
  correlation_->setValue(ReturnsCorrelation(settings));
  historyFile_->setText(settings.historyFile);
  stocksTaxable_->setValue(static_cast<double>(settings.historical.stocksTaxable));
  stocksDeferred_->setValue(static_cast<double>(settings.historical.stocksDeferred));
  completeOnly_->setChecked(settings.historical.completeOnly);
  ModelChanged();
}

OddsSettings OddsSettingsForm::Values() const {
  OddsSettings settings;
  settings.model = model_->currentIndex() == 1 ? OddsModelChoice::Historical : OddsModelChoice::MonteCarlo;
  settings.monteCarlo.trials = trials_->value();
  settings.monteCarlo.seed = static_cast<std::uint64_t>(seed_->value());
  for (std::size_t k = 0; k < deviations_.size(); ++k) settings.monteCarlo.deviations[k] = deviations_[k]->value();
  SetReturnsCorrelation(settings, correlation_->value());
  settings.historyFile = historyFile_->text().trimmed();
  settings.historical.stocksTaxable = stocksTaxable_->value();
  settings.historical.stocksDeferred = stocksDeferred_->value();
  settings.historical.completeOnly = completeOnly_->isChecked();
  return settings;
}

// Only the chosen model's boxes take part; the others keep their values for later.
void OddsSettingsForm::ModelChanged() {
  const bool history = model_->currentIndex() == 1;
  for (QWidget* box : std::initializer_list<QWidget*>{trials_, seed_, correlation_}) box->setEnabled(!history);
  for (QDoubleSpinBox* box : deviations_) box->setEnabled(!history);
  for (QWidget* box :
       std::initializer_list<QWidget*>{historyFile_, browse_, stocksTaxable_, stocksDeferred_, completeOnly_}) {
    box->setEnabled(history);
  }
}

void OddsSettingsForm::BrowseClicked() {
  FileDialogRequest request;
  request.title = "Market History File";
  request.filter = "CSV files (*.csv);;All files (*)";
  request.defaultExtension = "csv";
  request.confirmOverwrite = false;
  const QFileInfo current(historyFile_->text().trimmed());
  if (!historyFile_->text().trimmed().isEmpty()) {
    request.initialFolder = current.absolutePath();
    request.proposedName = current.fileName();
  } else {
    request.initialFolder = planFolder_();
  }
  const std::optional<QString> chosen = prompts_.OpenFile(this, request);
  if (chosen) historyFile_->setText(*chosen);
}
