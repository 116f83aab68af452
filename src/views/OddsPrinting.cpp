#include "views/OddsPrinting.h"

#include "model/NumberFormat.h"
#include "odds/OddsCsv.h"
#include "report/ReportPages.h"
#include "views/OddsSummary.h"

ResultPrintout OddsPrintout(const PlanRecord& plan, const OddsResult& result, const PathModel& model,
                            const QString& center) {
  const ReportOdds odds{OddsModelName(model).toStdString(), {}, result};
  ReportPage page{"Odds of the plan", {}};
  page.blocks.push_back(HeadingBlock(OddsHeadline(result).toStdString()));
  page.blocks.push_back(ParagraphBlock(OddsDetails(result, model).toStdString()));
  if (!center.isEmpty()) page.blocks.push_back(ParagraphBlock("Trials centered on the rates of " + center.toStdString() + "."));
  page.blocks.push_back(ParagraphBlock("Deepest shortfall reached: " + LevelsDescription(result).toStdString() + "."));
  page.blocks.push_back(ParagraphBlock(
      "The bands hold the middle 8 in 10 and the middle half of the trials' net worth year by year, the line "
      "the median; below, the trials by the deepest shortfall they reached."));
  page.blocks.push_back(ChartBlock(OddsFanChart(odds, plan)));
  page.blocks.push_back(TableBlock(OddsLevelsTable({odds})));
  page.blocks.push_back(ParagraphBlock(WorstTrialTitle(result, model).toStdString() +
                                       "; Show Worst Trial on the odds page shows its year table."));
  page.blocks.push_back(ParagraphBlock(kOddsCaution));

  ResultPrintout printout;
  printout.document.planName = CaptionPlanName(plan.PlanFileName);
  printout.document.planFile = plan.PlanFileName;
  printout.document.pages.push_back(std::move(page));
  printout.csv = OddsFiguresCsv(result) + "\n" + OddsBandsCsv(result);
  printout.plan = plan;
  return printout;
}
