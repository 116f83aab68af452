#include "odds/StressReplay.h"

#include "markets/BuiltInHistory.h"
#include "odds/HistoricalModel.h"

namespace {

HistoricalModel Replay(const PlanRecord& plan) { return HistoricalModel(plan, BuiltInHistory(), HistoricalSettings{}); }

// Given rates as a one-trial model, so their table is the odds page's trial table.
class OneTrialModel : public PathModel {
 public:
  explicit OneTrialModel(const RatePath& path) {
    for (int a = 1; a <= kForecastRows; ++a) rates_.push_back(path.Year(a));
  }
  int TrialCount() const override { return 1; }
  TrialRates Path(int) const override { return rates_; }
  std::string TrialLabel(int) const override { return "stress test"; }

 private:
  TrialRates rates_;
};

}  // namespace

int WorstStartYear(const PlanRecord& plan, ForecastRules rules) {
  const HistoricalModel model = Replay(plan);
  OddsRunControl control;
  control.rules = rules;
  control.threads = OddsThreads();
  const std::optional<OddsResult> result = RunOdds(plan, model, control);
  return model.FirstYear() + (result ? result->WorstTrial() : 0);
}

TrialReplay ReplayOfRates(const PlanRecord& plan, const RatePath& rates, ForecastRules rules) {
  return ReplayTrial(plan, OneTrialModel(rates), 0, rules);
}
