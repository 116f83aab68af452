#include "views/OddsSettingsForm.h"

#include <algorithm>
#include <charconv>

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

#include "markets/BuiltInHistory.h"
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

// The box's value as the decimal it shows, read as the command line reads
// "3.9": the nearest long double, so the page and prevora-cli draw alike.
long double BoxDecimal(const QDoubleSpinBox* box) {
  const std::string text = QString::number(box->value(), 'f', box->decimals()).toStdString();
  long double value = 0.0L;
  std::from_chars(text.data(), text.data() + text.size(), value);
  return value;
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
      swingsOrigin_(new QLabel),
      historySwings_(new QPushButton("&Use the history's")),
      historySource_(new QComboBox),
      historyFile_(new QLineEdit),
      browse_(new QPushButton("&Browse...")),
      stocksTaxable_(DecimalBox("OddsStocksTaxable", 0.0, 100.0, 5.0, 1, " %")),
      stocksDeferred_(DecimalBox("OddsStocksDeferred", 0.0, 100.0, 5.0, 1, " %")),
      completeOnly_(new QCheckBox("Com&plete windows only")),
      block_(new QSpinBox) {
  model_->setObjectName("OddsModel");
  model_->addItem("Monte Carlo");
  model_->addItem("Historical replay");
  model_->addItem("Block bootstrap");
  historySource_->setObjectName("OddsHistorySource");
  historySource_->addItem(QString::fromStdString(BuiltInHistoryName()));
  historySource_->addItem("A file of my own");
  historySource_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
  block_->setObjectName("OddsBlock");
  block_->setRange(1, kMaxBootstrapBlock);
  block_->setSuffix(" years");
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
  swingsOrigin_->setObjectName("OddsSwingsOrigin");
  swingsOrigin_->setWordWrap(true);
  historySwings_->setObjectName("OddsHistorySwings");
  historySwings_->setAccessibleName("Use the swings and links of the built-in history");
  form->addRow(swingsOrigin_, historySwings_);
  auto* fileRow = new QWidget;
  auto* fileLayout = new QHBoxLayout(fileRow);
  fileLayout->setContentsMargins(0, 0, 0, 0);
  fileLayout->addWidget(historyFile_, 1);
  fileLayout->addWidget(browse_);
  AddRow(*form, "Market history sour&ce:", historySource_);
  AddRow(*form, "Histor&y file:", fileRow, historyFile_);
  AddRow(*form, "Stoc&ks in taxable:", stocksTaxable_);
  AddRow(*form, "Stocks in tax-de&ferred:", stocksDeferred_);
  form->addRow(QString(), completeOnly_);
  AddRow(*form, "Bootstrap block le&ngth:", block_);

  connect(browse_, &QPushButton::clicked, this, &OddsSettingsForm::BrowseClicked);
  connect(historySwings_, &QPushButton::clicked, this, &OddsSettingsForm::UseHistorySwingsClicked);
  for (QDoubleSpinBox* box : deviations_) {
    connect(box, &QDoubleSpinBox::valueChanged, this, &OddsSettingsForm::ShowSwingsOrigin);
  }
  connect(correlation_, &QDoubleSpinBox::valueChanged, this, &OddsSettingsForm::ShowSwingsOrigin);
  connect(model_, &QComboBox::currentIndexChanged, this, &OddsSettingsForm::ModelChanged);
  connect(historySource_, &QComboBox::currentIndexChanged, this, &OddsSettingsForm::ModelChanged);
  SetValues(OddsSettings());
}

void OddsSettingsForm::SetValues(const OddsSettings& settings) {
  model_->setCurrentIndex(static_cast<int>(settings.model));
  historySource_->setCurrentIndex(settings.historyFromFile ? 1 : 0);
  block_->setValue(settings.block);
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
  ShowSwingsOrigin();
}

OddsSettings OddsSettingsForm::Values() const {
  OddsSettings settings;
  settings.model = ChosenModel();
  settings.historyFromFile = historySource_->currentIndex() == 1;
  settings.block = block_->value();
  settings.monteCarlo.trials = trials_->value();
  settings.monteCarlo.seed = static_cast<std::uint64_t>(seed_->value());
  for (std::size_t k = 0; k < deviations_.size(); ++k) settings.monteCarlo.deviations[k] = BoxDecimal(deviations_[k]);
  SetReturnsCorrelation(settings, correlation_->value());
  settings.historyFile = historyFile_->text().trimmed();
  settings.historical.stocksTaxable = stocksTaxable_->value();
  settings.historical.stocksDeferred = stocksDeferred_->value();
  settings.historical.completeOnly = completeOnly_->isChecked();
  return settings;
}

// The history's swings and links, keeping the rest of the settings as they are.
void OddsSettingsForm::UseHistorySwingsClicked() {
  const MonteCarloSettings defaults;
  for (std::size_t k = 0; k < deviations_.size(); ++k) deviations_[k]->setValue(static_cast<double>(defaults.deviations[k]));
  correlation_->setValue(defaults.correlation.Get(RateSeries::TaxableReturn, RateSeries::DeferredReturn));
}

void OddsSettingsForm::ShowSwingsOrigin() {
  const MonteCarloSettings values = Values().monteCarlo;
  const bool fromHistory = values.deviations == kHistoryDeviations &&
                           values.correlation.Values() == Correlation::Default().Values();
  const QString span = QString::fromStdString(BuiltInHistorySpan());
  swingsOrigin_->setText(fromHistory ? "Swings and links: from " + span : "Swings: your own (defaults from " + span + ")");
}

MarketModelKind OddsSettingsForm::ChosenModel() const {
  return static_cast<MarketModelKind>(std::clamp(model_->currentIndex(), 0, 2));
}

// Only the chosen model's boxes take part; the others keep their values for later.
void OddsSettingsForm::ModelChanged() {
  const MarketModelKind model = ChosenModel();
  const bool random = model != MarketModelKind::Historical;
  const bool monteCarlo = model == MarketModelKind::MonteCarlo;
  const bool history = !monteCarlo;
  const bool ownFile = history && historySource_->currentIndex() == 1;
  for (QWidget* box : std::initializer_list<QWidget*>{trials_, seed_}) box->setEnabled(random);
  correlation_->setEnabled(monteCarlo);
  for (QDoubleSpinBox* box : deviations_) box->setEnabled(monteCarlo);
  historySwings_->setEnabled(monteCarlo);
  for (QWidget* box : std::initializer_list<QWidget*>{historySource_, stocksTaxable_, stocksDeferred_}) {
    box->setEnabled(history);
  }
  historyFile_->setEnabled(ownFile);
  browse_->setEnabled(history);
  completeOnly_->setEnabled(model == MarketModelKind::Historical);
  block_->setEnabled(model == MarketModelKind::Bootstrap);
  emit ModelChosen(model);
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
  if (!chosen) return;
  historyFile_->setText(*chosen);
  historySource_->setCurrentIndex(1);
}
