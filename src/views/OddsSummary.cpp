#include "views/OddsSummary.h"

#include <QLocale>

#include "odds/BootstrapModel.h"
#include "odds/HistoricalModel.h"

namespace {

QString Percent(double share) { return QString::number(share, 'f', 1) + " %"; }

QString Count(int count) { return QLocale(QLocale::English).toString(count); }

}  // namespace

QString OddsHeadline(const OddsResult& result) {
  return Percent(result.NoNewDebtShare()) + " of trials never took new debt";
}

QString OddsDetails(const OddsResult& result, const PathModel& model) {
  QStringList lines;
  lines << QString("%1 %2. Net worth fell below zero in %3 of them.")
               .arg(Count(result.trials), result.trials == 1 ? "trial" : "trials", Percent(result.BelowZeroShare()));
  if (result.medianFirstNewDebtYear) {
    lines << QString("Trials that took new debt first took it in %1 (median).").arg(*result.medianFirstNewDebtYear);
  }
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
