#include "odds/OddsCsv.h"

#include <cstdio>

#include "model/CsvFields.h"

namespace {

std::string Percent(double share) {
  char text[32];
  std::snprintf(text, sizeof text, "%.1f", share);
  return text;
}

void AppendRow(std::string& out, const std::string& figure, int trials, double share) {
  out += CsvCell(figure) + "," + std::to_string(trials) + "," + Percent(share) + "\n";
}

}  // namespace

std::string OddsBandsCsv(const OddsResult& result) {
  std::string out = "Year,Age1";
  for (const char* view : {"Current", "Inflated"}) {
    for (const int percent : kBandPercents) out += "," + std::string(view) + "P" + std::to_string(percent);
  }
  out += "\n";
  for (const YearBands& year : result.years) {
    out += std::to_string(year.year) + "," + std::to_string(year.age1);
    for (const BandValues* view : {&year.current, &year.inflated}) {
      for (const std::int64_t value : *view) out += "," + std::to_string(value);
    }
    out += "\n";
  }
  return out;
}

std::string OddsFiguresCsv(const OddsResult& result) {
  const auto count = [&result](ShortfallLevel level) { return result.levelCounts[static_cast<std::size_t>(level)]; };
  std::string out = "Figure,Trials,Percent\n";
  AppendRow(out, "all trials", result.trials, result.trials > 0 ? 100.0 : 0.0);
  AppendRow(out, "savings lasted (never borrowed)", result.SavingsLastedCount(), result.SavingsLastedShare());
  AppendRow(out, "never took new debt", result.NoNewDebtCount(), result.NoNewDebtShare());
  for (int i = 0; i < kShortfallLevelCount; ++i) {
    const auto level = static_cast<ShortfallLevel>(i);
    AppendRow(out, std::string("deepest shortfall: ") + ShortfallLevelText(level), count(level),
              result.LevelShare(level));
  }
  AppendRow(out, "net worth below zero at some age", result.belowZeroCount, result.BelowZeroShare());
  out += "median first year of new debt," +
         (result.medianFirstNewDebtYear ? std::to_string(*result.medianFirstNewDebtYear) : std::string()) + ",\n";
  return out;
}
