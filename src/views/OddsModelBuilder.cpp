#include "views/OddsModelBuilder.h"

#include "markets/BuiltInHistory.h"
#include "markets/MarketHistory.h"

namespace {

QString Sentence(const std::string& text) {
  QString sentence = QString::fromStdString(text);
  if (!sentence.isEmpty()) sentence[0] = sentence[0].toUpper();
  return sentence + ".";
}

}  // namespace

OddsModelBuild BuildOddsModel(const PlanRecord& plan, const OddsSettings& settings, const RatePath* means) {
  OddsModelBuild build;
  if (settings.model == OddsModelChoice::MonteCarlo) {
    const std::string problem = MonteCarloModel::SettingsProblem(settings.monteCarlo);
    if (!problem.empty()) {
      build.error = Sentence(problem);
    } else {
      build.model = std::make_shared<MonteCarloModel>(plan, settings.monteCarlo,
                                                      means ? *means : RatePath::FromPlan(plan));
    }
    return build;
  }
  MarketHistory history = BuiltInHistory();
  if (settings.historyFromFile) {
    if (settings.historyFile.isEmpty()) {
      build.error = "Choose a market history file (Browse) to replay history.";
      return build;
    }
    const MarketHistoryResult read = ReadMarketHistory(settings.historyFile.toStdString());
    if (!read.ok()) {
      build.error = "The market history could not be used:\n" + QString::fromStdString(read.error);
      return build;
    }
    history = read.history;
  }
  if (settings.model == OddsModelChoice::Bootstrap) {
    const BootstrapSettings bootstrap = BootstrapSettingsOf(settings);
    const std::string problem = BootstrapModel::SettingsProblem(history, bootstrap);
    if (!problem.empty()) {
      build.error = Sentence(problem);
    } else {
      build.model = std::make_shared<BootstrapModel>(plan, history, bootstrap);
    }
    return build;
  }
  const std::string problem = HistoricalModel::SettingsProblem(plan, history, settings.historical);
  if (!problem.empty()) {
    build.error = Sentence(problem);
    return build;
  }
  build.model = std::make_shared<HistoricalModel>(plan, history, settings.historical);
  return build;
}
