#include "cli/SimulateOptions.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <functional>
#include <map>
#include <set>
#include <thread>

#include "cli/CliSupport.h"
#include "cli/OptionTable.h"
#include "cli/WholeNumber.h"
#include "model/ReadableText.h"
#include "odds/OddsRunner.h"

namespace {

std::optional<long double> ParseReal(const std::string& text) {
  long double value = 0.0L;
  const char* end = text.data() + text.size();
  const auto [ptr, ec] = std::from_chars(text.data(), end, value);
  if (text.empty() || ec != std::errc() || ptr != end || !std::isfinite(value)) return std::nullopt;
  return value;
}

// Options that only some models read; giving them to another is a mistake
// the user should hear about rather than a setting silently ignored.
const std::map<std::string, std::set<MarketModelKind>> kModelOnly = {
    {"--trials", {MarketModelKind::MonteCarlo, MarketModelKind::Bootstrap}},
    {"--seed", {MarketModelKind::MonteCarlo, MarketModelKind::Bootstrap}},
    {"--sd-taxable", {MarketModelKind::MonteCarlo}},
    {"--sd-deferred", {MarketModelKind::MonteCarlo}},
    {"--sd-realestate", {MarketModelKind::MonteCarlo}},
    {"--sd-inflation", {MarketModelKind::MonteCarlo}},
    {"--corr-returns", {MarketModelKind::MonteCarlo}},
    {"--corr", {MarketModelKind::MonteCarlo}},
    {"--history", {MarketModelKind::Historical, MarketModelKind::Bootstrap}},
    {"--stocks-taxable", {MarketModelKind::Historical, MarketModelKind::Bootstrap}},
    {"--stocks-deferred", {MarketModelKind::Historical, MarketModelKind::Bootstrap}},
    {"--complete-only", {MarketModelKind::Historical}},
    {"--block", {MarketModelKind::Bootstrap}},
};

std::string ModelNames(const std::set<MarketModelKind>& models) {
  const std::map<MarketModelKind, std::string> names = {{MarketModelKind::MonteCarlo, "montecarlo"},
                                                      {MarketModelKind::Historical, "historical"},
                                                      {MarketModelKind::Bootstrap, "bootstrap"}};
  std::string text;
  for (const MarketModelKind model : models) text += (text.empty() ? "" : " or ") + names.at(model);
  return text;
}

class Parser {
 public:
  SimulateParse Run(const CliArgs& args) {
    for (std::size_t i = 0; i < args.size() && error_.empty(); ++i) {
      const std::string& arg = args[i];
      if (arg == "--complete-only" || arg == "--current-dollars" || arg == "--all-fields") {
        Flag(arg);
      } else if (!arg.empty() && arg[0] == '-') {
        if (i + 1 >= args.size()) {
          error_ = arg + " needs a value";
          break;
        }
        Valued(arg, args[++i]);
      } else if (options_.plan.empty()) {
        options_.plan = arg;
      } else {
        error_ = "unexpected argument \"" + EchoedArgument(arg) + "\"";
      }
    }
    if (error_.empty()) CheckCombination();
    if (!error_.empty()) return {std::nullopt, error_};
    return {options_, {}};
  }

 private:
  void Flag(const std::string& arg) {
    given_.insert(arg);
    if (arg == "--complete-only") options_.historical.completeOnly = true;
    if (arg == "--current-dollars") options_.currentDollars = true;
    if (arg == "--all-fields") options_.allFields = true;
  }

  void Valued(const std::string& name, const std::string& value) {
    given_.insert(name);
    const std::map<std::string, std::function<bool(const std::string&)>> handlers = {
        {"--trials", [this](const std::string& v) { return Whole(v, options_.monteCarlo.trials); }},
        {"--seed", [this](const std::string& v) { return Whole(v, options_.monteCarlo.seed); }},
        {"--threads",
         [this](const std::string& v) {
           return Whole(v, options_.threads) && options_.threads >= 1 && options_.threads <= kMaxOddsThreads;
         }},
        {"--trial", [this](const std::string& v) { return Whole(v, options_.trial) && options_.trial >= 1; }},
        {"--model", [this](const std::string& v) { return Model(v); }},
        {"--history", [this](const std::string& v) { return !(options_.history = v).empty(); }},
        {"--rates", [this](const std::string& v) { return !(options_.rates = v).empty(); }},
        {"--block",
         [this](const std::string& v) {
           return Whole(v, options_.block) && options_.block >= 1 && options_.block <= kMaxBootstrapBlock;
         }},
        {"--format", [this](const std::string& v) { return Format(v); }},
        {"--stocks-taxable", [this](const std::string& v) { return Real(v, options_.historical.stocksTaxable); }},
        {"--stocks-deferred", [this](const std::string& v) { return Real(v, options_.historical.stocksDeferred); }},
        {"--sd-inflation", [this](const std::string& v) { return Deviation(v, RateSeries::Inflation); }},
        {"--sd-taxable", [this](const std::string& v) { return Deviation(v, RateSeries::TaxableReturn); }},
        {"--sd-deferred", [this](const std::string& v) { return Deviation(v, RateSeries::DeferredReturn); }},
        {"--sd-realestate", [this](const std::string& v) { return Deviation(v, RateSeries::RealEstateGrowth); }},
        {"--corr-returns",
         [this](const std::string& v) { return Link(RateSeries::TaxableReturn, RateSeries::DeferredReturn, v); }},
        {"--corr", [this](const std::string& v) { return Pair(v); }},
    };
    const auto handler = handlers.find(name);
    if (const RuleOption* rule = FindRuleOption(name)) {
      if (!rule->store(value, options_.rules)) error_ = rule->refusal;
    } else if (const PlanOverrideOption* planOverride = FindPlanOverride(name)) {
      error_ = planOverride->store(value, options_.overrides);
    } else if (handler == handlers.end()) {
      error_ = "unknown option " + name;
    } else if (!handler->second(value)) {
      error_ = "unusable value \"" + ReadableExcerpt(value) + "\" for " + name;
    }
  }

  template <typename Number>
  bool Whole(const std::string& text, Number& target) {
    const std::optional<Number> value = ParseWhole<Number>(text);
    if (value) target = *value;
    return value.has_value();
  }

  bool Real(const std::string& text, long double& target) {
    const std::optional<long double> value = ParseReal(text);
    if (value) target = *value;
    return value.has_value();
  }

  bool Deviation(const std::string& text, RateSeries series) {
    return Real(text, options_.monteCarlo.deviations[static_cast<std::size_t>(series)]);
  }

  bool Link(RateSeries a, RateSeries b, const std::string& text) {
    const std::optional<long double> value = ParseReal(text);
    if (!value) return false;
    options_.monteCarlo.correlation.Set(a, b, static_cast<double>(*value));
    return true;
  }

  // "inflation:realestate=0.3"
  bool Pair(const std::string& text) {
    const std::size_t colon = text.find(':');
    const std::size_t equals = text.find('=');
    if (colon == std::string::npos || equals == std::string::npos || equals < colon) return false;
    const std::optional<RateSeries> a = SeriesByName(text.substr(0, colon));
    const std::optional<RateSeries> b = SeriesByName(text.substr(colon + 1, equals - colon - 1));
    if (!a || !b || *a == *b) return false;
    return Link(*a, *b, text.substr(equals + 1));
  }

  bool Model(const std::string& text) {
    if (text == "montecarlo")
      options_.model = MarketModelKind::MonteCarlo;
    else if (text == "historical")
      options_.model = MarketModelKind::Historical;
    else if (text == "bootstrap")
      options_.model = MarketModelKind::Bootstrap;
    else
      return false;
    return true;
  }

  bool Format(const std::string& text) {
    const std::map<std::string, SimulateFormat> formats = {{"text", SimulateFormat::Text},
                                                           {"json", SimulateFormat::Json},
                                                           {"csv", SimulateFormat::Csv},
                                                           {"tsv", SimulateFormat::Tsv}};
    const auto found = formats.find(text);
    if (found == formats.end()) return false;
    options_.format = found->second;
    return true;
  }

  void CheckCombination() {
    if (options_.plan.empty()) {
      error_ = "no plan file given";
      return;
    }
    for (const auto& [name, models] : kModelOnly) {
      if (given_.count(name) > 0 && models.count(options_.model) == 0) {
        error_ = name + " applies to --model " + ModelNames(models) + " only";
        return;
      }
    }
    const bool tableOnly = given_.count("--all-fields") > 0;
    if (options_.trial == 0 && (tableOnly || options_.format == SimulateFormat::Tsv)) {
      error_ = "--all-fields and --format tsv apply to --trial N only";
    }
    if (options_.threads == 0) {
      options_.threads = OddsThreads();
    }
  }

  SimulateOptions options_;
  std::set<std::string> given_;
  std::string error_;
};

}  // namespace

SimulateParse ParseSimulateOptions(const CliArgs& args) { return Parser().Run(args); }
