#include "odds/StressReplay.h"

#include "markets/BuiltInHistory.h"
#include "markets/HistoryStart.h"

namespace {

// Every start year of the built-in history as a trial, the sequence beginning where asked.
class HistoryStartsModel : public PathModel {
 public:
  HistoryStartsModel(const PlanRecord& plan, SequenceStart at) : plan_(plan), at_(at) {}
  int TrialCount() const override { return static_cast<int>(BuiltInHistory().years.size()); }
  TrialRates Path(int trial) const override {
    const RatePath rates = HistoryStartRates(plan_, BuiltInHistory(), FirstYear() + trial, at_).rates;
    TrialRates path;
    for (int a = 1; a <= RowCount(plan_); ++a) path.push_back(rates.Year(a));
    return path;
  }
  std::string TrialLabel(int trial) const override { return "start year " + std::to_string(FirstYear() + trial); }
  static int FirstYear() { return BuiltInHistory().years.front().year; }

 private:
  const PlanRecord& plan_;
  SequenceStart at_;
};

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

int WorstStartYear(const PlanRecord& plan, ForecastRules rules, SequenceStart at) {
  const HistoryStartsModel model(plan, at);
  OddsRunControl control;
  control.rules = rules;
  control.threads = OddsThreads();
  const std::optional<OddsResult> result = RunOdds(plan, model, control);
  return model.FirstYear() + (result ? result->WorstTrial() : 0);
}

TrialReplay ReplayOfRates(const PlanRecord& plan, const RatePath& rates, ForecastRules rules) {
  return ReplayTrial(plan, OneTrialModel(rates), 0, rules);
}
