#include "views/OddsSummary.h"

#include <QLocale>

#include "odds/BootstrapModel.h"
#include "odds/HistoricalModel.h"
#include "odds/MonteCarloModel.h"
#include "odds/RateAssumptions.h"
#include "views/LevelBar.h"

namespace {

QString Percent(double share) { return QString::number(share, 'f', 1) + " %"; }

QString Count(int count) { return QLocale(QLocale::English).toString(count); }

QString Assumed(const SeriesAssumption& series) {
  return QString("%1 % \u00b1 %2").arg(series.mean, 0, 'f', 1).arg(series.swing, 0, 'f', 1);
}

// The means and swings behind the odds, so two models' odds of one plan can be compared.
QString AssumptionsLine(const PathModel& model) {
  const RateAssumptions assumed = MeasureRateAssumptions(model);
  const auto of = [&assumed](RateSeries series) { return Assumed(assumed.series[static_cast<std::size_t>(series)]); };
  const bool drawn = dynamic_cast<const MonteCarloModel*>(&model) != nullptr;
  return QString("The model assumes, per year (mean \u00b1 swing, %1): inflation %2; above inflation, taxable "
                 "returns %3, tax-deferred returns %4, real estate %5.")
      .arg(drawn ? "centered on the plan's rates" : "from the history's own record", of(RateSeries::Inflation),
           of(RateSeries::TaxableReturn), of(RateSeries::DeferredReturn), of(RateSeries::RealEstateGrowth));
}

}  // namespace

QString OddsModelName(const PathModel& model) {
  if (dynamic_cast<const HistoricalModel*>(&model)) return "Historical";
  if (dynamic_cast<const BootstrapModel*>(&model)) return "Bootstrap";
  return "Monte Carlo";
}

QString LevelsDescription(const OddsResult& result) {
  QStringList parts;
  for (int k = 0; k < kShortfallLevelCount; ++k) {
    const auto level = static_cast<ShortfallLevel>(k);
    parts << LevelLegendText(level, result.LevelShare(level));
  }
  return parts.join(", ");
}

QString OddsHeadline(const OddsResult& result) {
  return Percent(result.SavingsLastedShare()) + " of trials: the savings lasted (never borrowed)";
}

QString OddsDetails(const OddsResult& result, const PathModel& model) {
  QStringList lines;
  lines << QString("Never took new debt (borrowing against the home allowed): %1.").arg(Percent(result.NoNewDebtShare()));
  lines << QString("%1 %2. Net worth fell below zero in %3 of them.")
               .arg(Count(result.trials), result.trials == 1 ? "trial" : "trials", Percent(result.BelowZeroShare()));
  if (result.medianFirstNewDebtYear) {
    lines << QString("Trials that took new debt first took it in %1 (median).").arg(*result.medianFirstNewDebtYear);
  }
  lines << AssumptionsLine(model);
  if (const auto* bootstrap = dynamic_cast<const BootstrapModel*>(&model)) {
    const MarketHistory& history = bootstrap->History();
    lines << QString("Block bootstrap of %1: runs of %2 consecutive years from %3-%4, strung together at random.")
                 .arg(QString::fromStdString(history.name))
                 .arg(bootstrap->Block())
                 .arg(history.years.front().year)
                 .arg(history.years.back().year);
  }
  if (const auto* history = dynamic_cast<const HistoricalModel*>(&model)) {
    lines << "Market history: " + QString::fromStdString(history->HistoryName());
    const int wrapped = history->WrappedTrials();
    const QString years = QString("History %1-%2: ").arg(history->FirstYear()).arg(history->LastYear());
    if (wrapped > 0) {
      lines << years + QString("%1 of %2 start years run past %3 and continue from %4.")
                           .arg(wrapped)
                           .arg(model.TrialCount())
                           .arg(history->LastYear())
                           .arg(history->FirstYear());
    } else {
      lines << years + "only start years whose whole forecast fits in the data.";
    }
  }
  return lines.join('\n');
}

QString WorstTrialTitle(const OddsResult& result, const PathModel& model) {
  const int worst = result.WorstTrial();
  const TrialGrade& grade = result.trialSummaries.at(static_cast<std::size_t>(worst)).grade;
  return QString("Worst trial: %1, %2")
      .arg(QString::fromStdString(model.TrialLabel(worst)), ShortfallLevelText(grade.level));
}
