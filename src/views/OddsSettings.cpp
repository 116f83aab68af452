#include "views/OddsSettings.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "markets/BuiltInHistory.h"
#include "platform/SettingsStore.h"

namespace {

const QString kModelKey = "Odds/Model";
const QString kTrialsKey = "Odds/Trials";
const QString kSeedKey = "Odds/Seed";
const std::array<QString, kRateSeriesCount> kDeviationKeys = {"Odds/DeviationInflation", "Odds/DeviationTaxable",
                                                              "Odds/DeviationDeferred", "Odds/DeviationRealEstate"};
const QString kCorrelationKey = "Odds/CorrelationReturns";
const QString kStocksTaxableKey = "Odds/StocksTaxable";
const QString kStocksDeferredKey = "Odds/StocksDeferred";
const QString kCompleteOnlyKey = "Odds/CompleteOnly";
const QString kHistoryFileKey = "Odds/HistoryFile";
const QString kHistoryFromFileKey = "Odds/HistoryFromFile";
const QString kBlockKey = "Odds/BootstrapBlock";

int WholeValue(const SettingsStore& store, const QString& key, int fallback, int low, int high) {
  return std::clamp(store.Integer(key).value_or(fallback), low, high);
}

// Decimals are stored as text with "." whatever the locale, like the plan files.
double DecimalValue(const SettingsStore& store, const QString& key, double fallback, double low, double high) {
  const std::optional<QString> text = store.Text(key);
  if (!text) return fallback;
  bool ok = false;
  const double value = text->toDouble(&ok);
  if (!ok || !std::isfinite(value)) return fallback;
  return std::clamp(value, low, high);
}

void SetDecimal(SettingsStore& store, const QString& key, long double value) {
  store.SetText(key, QString::number(static_cast<double>(value), 'g', 15));
}

}  // namespace

double ReturnsCorrelation(const OddsSettings& settings) {
  return settings.monteCarlo.correlation.Get(RateSeries::TaxableReturn, RateSeries::DeferredReturn);
}

void SetReturnsCorrelation(OddsSettings& settings, double value) {
  settings.monteCarlo.correlation.Set(RateSeries::TaxableReturn, RateSeries::DeferredReturn,
                                      std::clamp(value, -1.0, 1.0));
}

OddsSettings LoadOddsSettings(const SettingsStore& store) {
  OddsSettings settings;
  settings.model = static_cast<MarketModelKind>(WholeValue(store, kModelKey, 0, 0, 2));
  MonteCarloSettings& mc = settings.monteCarlo;
  mc.trials = WholeValue(store, kTrialsKey, mc.trials, kOddsMinTrials, kOddsMaxTrials);
  mc.seed = static_cast<std::uint64_t>(WholeValue(store, kSeedKey, static_cast<int>(mc.seed), 0, kOddsMaxSeed));
  for (std::size_t k = 0; k < kDeviationKeys.size(); ++k) {
    // A missing or unreadable value keeps the default exactly, not its nearest double.
    const double fallback = static_cast<double>(mc.deviations[k]);
    const double value = DecimalValue(store, kDeviationKeys[k], fallback, 0.0, kOddsMaxDeviation);
    if (value != fallback) mc.deviations[k] = value;
  }
  SetReturnsCorrelation(settings, DecimalValue(store, kCorrelationKey, ReturnsCorrelation(settings), -1.0, 1.0));
  HistoricalSettings& history = settings.historical;
  history.stocksTaxable =
      DecimalValue(store, kStocksTaxableKey, static_cast<double>(history.stocksTaxable), 0.0, 100.0);
  history.stocksDeferred =
      DecimalValue(store, kStocksDeferredKey, static_cast<double>(history.stocksDeferred), 0.0, 100.0);
  history.completeOnly = WholeValue(store, kCompleteOnlyKey, 0, 0, 1) == 1;
  settings.historyFile = store.Text(kHistoryFileKey).value_or(QString());
  // Settings from before the built-in history replayed the file they name.
  settings.historyFromFile = WholeValue(store, kHistoryFromFileKey, settings.historyFile.isEmpty() ? 0 : 1, 0, 1) == 1;
  settings.block = WholeValue(store, kBlockKey, settings.block, 1, kMaxBootstrapBlock);
  return settings;
}

void SaveOddsSettings(SettingsStore& store, const OddsSettings& settings) {
  store.SetInteger(kModelKey, static_cast<int>(settings.model));
  store.SetInteger(kTrialsKey, settings.monteCarlo.trials);
  store.SetInteger(kSeedKey, static_cast<int>(std::min<std::uint64_t>(settings.monteCarlo.seed, kOddsMaxSeed)));
  for (std::size_t k = 0; k < kDeviationKeys.size(); ++k) {
    SetDecimal(store, kDeviationKeys[k], settings.monteCarlo.deviations[k]);
  }
  SetDecimal(store, kCorrelationKey, ReturnsCorrelation(settings));
  SetDecimal(store, kStocksTaxableKey, settings.historical.stocksTaxable);
  SetDecimal(store, kStocksDeferredKey, settings.historical.stocksDeferred);
  store.SetInteger(kCompleteOnlyKey, settings.historical.completeOnly ? 1 : 0);
  store.SetText(kHistoryFileKey, settings.historyFile);
  store.SetInteger(kHistoryFromFileKey, settings.historyFromFile ? 1 : 0);
  store.SetInteger(kBlockKey, settings.block);
}

OddsModelBuild BuildOddsModel(const PlanRecord& plan, const OddsSettings& settings, const RatePath* means) {
  OddsModelBuild build;
  auto history = std::make_shared<const MarketHistory>(BuiltInHistory());
  if (settings.model != MarketModelKind::MonteCarlo && settings.historyFromFile) {
    if (settings.historyFile.isEmpty()) {
      build.error = "Choose a market history file (Browse) to replay history.";
      return build;
    }
    const MarketHistoryResult read = ReadMarketHistory(settings.historyFile.toStdString());
    if (!read.ok()) {
      build.error = "The market history could not be used:\n" + QString::fromStdString(read.error);
      return build;
    }
    history = std::make_shared<const MarketHistory>(read.history);
  }
  const MarketModelBuild market = means ? BuildMarketModel(plan, settings, history, means)
                                        : BuildMarketModelForPlans(plan, settings, history, build.forPlan);
  build.model = market.model;
  if (!market.problem.empty()) {
    build.error = QString::fromStdString(market.problem);
    build.error[0] = build.error[0].toUpper();
    build.error += ".";
  }
  return build;
}
