#include "cli/SimulateReport.h"

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "engine/DollarViews.h"
#include "markets/BuiltInHistory.h"
#include "model/JsonText.h"
#include "model/NumberFormat.h"
#include "model/ReadableText.h"
#include "odds/OddsCsv.h"

namespace {

constexpr const char* kCaution =
    "These odds come from a model of markets, not from the future: they are not a promise.";

std::string Percent(double share) {
  char text[32];
  std::snprintf(text, sizeof text, "%.1f %%", share);
  return text;
}

std::string Number(long double value) {
  char text[48];
  std::snprintf(text, sizeof text, "%.10Lg", value);
  return text;
}

const BandValues& ChosenView(const YearBands& year, bool currentDollars) {
  return currentDollars ? year.current : year.inflated;
}

std::string Years(const MarketHistory& history) {
  return std::to_string(history.years.front().year) + "-" + std::to_string(history.years.back().year) + " (" +
         std::to_string(history.years.size()) + " years)";
}

std::string HistoryText(const HistorySource& history) {
  return history.builtIn ? history.name : "history of " + history.name + ", " + Years(history.history);
}

void PrintSettingsText(const SimulateOptions& options, const OddsResult& result, const SimulateSource& source) {
  std::printf("Plan: %s\n", ReadableText(options.plan).c_str());
  if (source.history == nullptr) {
    const MonteCarloSettings& mc = options.monteCarlo;
    std::printf("Model: Monte Carlo, %d trials, seed %llu\n", result.trials, static_cast<unsigned long long>(mc.seed));
    if (!options.rates.empty()) {
      std::printf("Means: each year's rates of %s (the plan's own after its last row)\n",
                  ReadableText(options.rates).c_str());
    }
    std::printf("Standard deviations (points): inflation %s, taxable %s, tax-deferred %s, real estate %s\n",
                Number(mc.deviations[0]).c_str(), Number(mc.deviations[1]).c_str(), Number(mc.deviations[2]).c_str(),
                Number(mc.deviations[3]).c_str());
    std::printf("Correlation of the two returns: %s\n",
                Number(mc.correlation.Get(RateSeries::TaxableReturn, RateSeries::DeferredReturn)).c_str());
    if (mc.deviations == kHistoryDeviations && mc.correlation.Values() == Correlation::Default().Values()) {
      std::printf("Swings and links: the defaults, from %s\n", BuiltInHistorySpan().c_str());
    }
    return;
  }
  const MarketHistory& history = source.history->history;
  const HistoricalModel* historical = source.historical;
  if (historical != nullptr) {
    std::printf("Model: %s, %d trials, one per start year\n", HistoryText(*source.history).c_str(), result.trials);
    if (historical->WrappedTrials() > 0) {
      std::printf("%d of them run past %d and wrap around to %d (--complete-only drops them)\n",
                  historical->WrappedTrials(), historical->LastYear(), historical->FirstYear());
    }
  } else {
    std::printf("Model: block bootstrap of %s, %d trials, seed %llu, blocks of %d consecutive years\n",
                HistoryText(*source.history).c_str(), result.trials,
                static_cast<unsigned long long>(options.monteCarlo.seed), options.block);
  }
  std::printf("Stocks: %s %% of taxable savings, %s %% of tax-deferred savings; real estate %s\n",
              Number(options.historical.stocksTaxable).c_str(), Number(options.historical.stocksDeferred).c_str(),
              history.hasRealEstate ? "from the data" : "grows at the plan's rate over inflation");
}

void PrintText(const SimulateOptions& options, const OddsResult& result, const SimulateSource& source) {
  PrintSettingsText(options, result, source);
  std::printf("\nSavings lasted (never borrowed): %s of trials\nNever took new debt: %s of trials\n\n"
              "Deepest shortfall reached:\n",
              Percent(result.SavingsLastedShare()).c_str(), Percent(result.NoNewDebtShare()).c_str());
  for (int i = 0; i < kShortfallLevelCount; ++i) {
    const auto level = static_cast<ShortfallLevel>(i);
    std::printf("  %-33s %8s\n", ShortfallLevelText(level), Percent(result.LevelShare(level)).c_str());
  }
  std::printf("Net worth below zero at some age: %s\n", Percent(result.BelowZeroShare()).c_str());
  if (result.medianFirstNewDebtYear) {
    std::printf("Median first year of new debt: %lld\n", static_cast<long long>(*result.medianFirstNewDebtYear));
  }
  // Today's dollars are those of the first forecast year, the plan's current year.
  const std::int32_t currentYear = result.years.empty() ? 0 : static_cast<std::int32_t>(result.years.front().year);
  std::printf("\nNet worth percentiles, %s:\n", DollarViewPhrase(options.currentDollars, currentYear).c_str());
  std::vector<std::vector<std::string>> rows = {{"Year", "Age1", "p10", "p25", "p50", "p75", "p90"}};
  for (const YearBands& year : result.years) {
    std::vector<std::string> row = {std::to_string(year.year), std::to_string(year.age1)};
    for (const std::int64_t value : ChosenView(year, options.currentDollars)) row.push_back(FormatDollars(value));
    rows.push_back(row);
  }
  std::vector<std::size_t> widths(rows.front().size(), 0);
  for (const auto& row : rows) {
    for (std::size_t c = 0; c < row.size(); ++c) widths[c] = std::max(widths[c], row[c].size());
  }
  for (const auto& row : rows) {
    for (std::size_t c = 0; c < row.size(); ++c) {
      std::printf("%s%*s", c > 0 ? "  " : "", static_cast<int>(widths[c]), row[c].c_str());
    }
    std::putchar('\n');
  }
  const int worst = result.WorstTrial();
  std::printf("\nWorst trial: %d (%s); --trial %d prints its year table.\n\n%s\n", worst + 1,
              ShortfallLevelText(result.trialSummaries[static_cast<std::size_t>(worst)].grade.level), worst + 1,
              kCaution);
}

std::string JsonBands(const BandValues& values) {
  std::string out = "{";
  for (std::size_t i = 0; i < kBandPercents.size(); ++i) {
    out += (i > 0 ? ", \"p" : "\"p") + std::to_string(kBandPercents[i]) + "\": " + std::to_string(values[i]);
  }
  return out + "}";
}

std::string JsonSettings(const SimulateOptions& options, const HistorySource* history,
                         const HistoricalModel* historical) {
  if (history == nullptr) {
    const MonteCarloSettings& mc = options.monteCarlo;
    std::string deviations;
    std::string correlations;
    for (int a = 0; a < kRateSeriesCount; ++a) {
      const auto series = static_cast<RateSeries>(a);
      deviations += std::string(a > 0 ? ", " : "") + "\"" + SeriesName(series) +
                    "\": " + Number(mc.deviations[static_cast<std::size_t>(a)]);
      for (int b = a + 1; b < kRateSeriesCount; ++b) {
        const auto other = static_cast<RateSeries>(b);
        correlations += std::string(correlations.empty() ? "" : ", ") + "\"" + SeriesName(series) + ":" +
                        SeriesName(other) + "\": " + Number(mc.correlation.Get(series, other));
      }
    }
    const std::string means = options.rates.empty() ? "" : ", \"rates\": " + JsonQuoted(options.rates);
    return "{\"model\": \"montecarlo\", \"deviations\": {" + deviations + "}, \"correlations\": {" + correlations +
           "}" + means + "}";
  }
  const HistorySource& source = *history;
  std::string json = std::string("{\"model\": \"") + (historical ? "historical" : "bootstrap") +
                     "\", \"history\": " + JsonQuoted(source.builtIn ? source.name : options.history) +
                     ", \"builtIn\": " + (source.builtIn ? "true" : "false") +
                     ", \"firstYear\": " + std::to_string(source.history.years.front().year) +
                     ", \"lastYear\": " + std::to_string(source.history.years.back().year);
  if (historical) {
    json += std::string(", \"completeOnly\": ") + (options.historical.completeOnly ? "true" : "false") +
            ", \"wrappedTrials\": " + std::to_string(historical->WrappedTrials());
  } else {
    json += ", \"block\": " + std::to_string(options.block);
  }
  return json + ", \"stocksTaxable\": " + Number(options.historical.stocksTaxable) +
         ", \"stocksDeferred\": " + Number(options.historical.stocksDeferred) +
         ", \"realEstateFromData\": " + (source.history.hasRealEstate ? "true" : "false") + "}";
}

void PrintJson(const SimulateOptions& options, const OddsResult& result, const SimulateSource& source) {
  std::printf("{\n  \"plan\": %s,\n  \"settings\": %s,\n", JsonQuoted(options.plan).c_str(),
              JsonSettings(options, source.history, source.historical).c_str());
  std::printf("  \"seed\": %s,\n  \"trials\": %d,\n",
              source.historical ? "null" : std::to_string(options.monteCarlo.seed).c_str(), result.trials);
  std::printf("  \"headline\": {\"savingsLastedShare\": %.4f, \"noNewDebtShare\": %.4f},\n  \"levels\": [\n",
              result.SavingsLastedShare(), result.NoNewDebtShare());
  for (int i = 0; i < kShortfallLevelCount; ++i) {
    const auto level = static_cast<ShortfallLevel>(i);
    std::printf("    {\"key\": \"%s\", \"text\": \"%s\", \"trials\": %d, \"share\": %.4f}%s\n",
                ShortfallLevelKey(level), ShortfallLevelText(level), result.levelCounts[static_cast<std::size_t>(i)],
                result.LevelShare(level), i + 1 < kShortfallLevelCount ? "," : "");
  }
  std::printf("  ],\n  \"netWorthBelowZeroShare\": %.4f,\n", result.BelowZeroShare());
  std::printf("  \"medianFirstNewDebtYear\": %s,\n",
              result.medianFirstNewDebtYear ? std::to_string(*result.medianFirstNewDebtYear).c_str() : "null");
  std::printf("  \"worstTrial\": %d,\n  \"years\": [\n", result.WorstTrial() + 1);
  for (std::size_t i = 0; i < result.years.size(); ++i) {
    const YearBands& year = result.years[i];
    // "today" and "future" name the views as the window does; "current" and
    // "inflated" stay for this release for programs that read them.
    const std::string today = JsonBands(year.current);
    const std::string future = JsonBands(year.inflated);
    std::printf(
        "    {\"year\": %lld, \"age1\": %lld, \"today\": %s, \"future\": %s, \"current\": %s, \"inflated\": %s}%s\n",
        static_cast<long long>(year.year), static_cast<long long>(year.age1), today.c_str(), future.c_str(),
        today.c_str(), future.c_str(), i + 1 < result.years.size() ? "," : "");
  }
  std::printf("  ],\n  \"caution\": %s\n}\n", JsonQuoted(kCaution).c_str());
}

}  // namespace

void PrintSimulateReport(const SimulateOptions& options, const OddsResult& result, const SimulateSource& source) {
  switch (options.format) {
    case SimulateFormat::Json:
      PrintJson(options, result, source);
      break;
    case SimulateFormat::Csv:
      std::fputs(OddsBandsCsv(result).c_str(), stdout);
      break;
    default:
      PrintText(options, result, source);
      break;
  }
}
