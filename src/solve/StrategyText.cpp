#include "solve/StrategyText.h"

#include <cstdio>

#include "model/CsvFields.h"
#include "model/JsonText.h"
#include "model/NumberFormat.h"

namespace {

constexpr const char* kCsvHeader =
    "Rank,Plan,Strategy,WithdrawalOrder,FillBracket,FillInto,ConvertAmount,FillFromAge,FillToAge,"
    "SocialSecurityAge1,SocialSecurityAge2,LifetimeTaxes,AfterTaxNetWorth,FirstBorrowYear,Spending,SavingsLasted";

std::string SharePercent(double percent) {
  char text[32];
  std::snprintf(text, sizeof text, "%.2f", percent);
  return text;
}

std::string OptionalNumber(const std::optional<std::int64_t>& value) {
  return value ? std::to_string(*value) : std::string();
}

}  // namespace

std::string StrategyMeasureWords(StrategyMeasure measure) {
  switch (measure) {
    case StrategyMeasure::AfterTaxNetWorth:
      return "final after-tax net worth (today's dollars), higher is better";
    case StrategyMeasure::LifetimeTaxes:
      return "lifetime income taxes (today's dollars), lower is better";
    case StrategyMeasure::Spending:
      return "largest yearly spending that never borrows (today's dollars), higher is better";
    case StrategyMeasure::Odds:
      return "share of trials whose savings lasted, higher is better";
  }
  return {};
}

std::string BorrowYearText(const StrategyRow& row) {
  return row.firstBorrowYear == 0 ? std::string("never") : std::to_string(row.firstBorrowYear);
}

std::string SpendingText(const StrategyRow& row) { return row.spending ? FormatDollars(*row.spending) : "-"; }

std::string SavingsLastedText(const StrategyRow& row) {
  return row.savingsLastedPercent ? SharePercent(*row.savingsLastedPercent) + " %" : "-";
}

std::string StrategyTableCsv(const PlanRecord& plan, const StrategyTableResult& result) {
  std::string out = std::string(kCsvHeader) + "\n";
  for (const StrategyRow& row : result.rows) {
    const Strategy& s = row.strategy;
    const std::string cells[] = {std::to_string(row.rank),
                                 row.planOwn ? "yes" : "",
                                 StrategyWords(s, plan),
                                 s.withdrawalOrder,
                                 std::to_string(s.fillBracket),
                                 s.fillInto,
                                 std::to_string(s.convertAmount),
                                 std::to_string(s.fillFromAge),
                                 std::to_string(s.fillToAge),
                                 std::to_string(s.claimAge[0]),
                                 std::to_string(s.claimAge[1]),
                                 std::to_string(row.lifetimeTaxes),
                                 std::to_string(row.afterTaxNetWorth),
                                 row.firstBorrowYear ? std::to_string(row.firstBorrowYear) : std::string(),
                                 OptionalNumber(row.spending),
                                 row.savingsLastedPercent ? SharePercent(*row.savingsLastedPercent) : std::string()};
    std::string line;
    for (const std::string& cell : cells) line += (line.empty() ? "" : ",") + CsvCell(cell);
    out += line + "\n";
  }
  return out;
}

std::string StrategyTableJson(const PlanRecord& plan, const StrategyRequest& request,
                              const StrategyTableResult& result) {
  std::string out = std::string("{\"measure\":\"") + StrategyMeasureKey(request.measure) + "\",\"rows\":[";
  bool first = true;
  for (const StrategyRow& row : result.rows) {
    const Strategy& s = row.strategy;
    out += (first ? "" : ",") + std::string("{\"rank\":") + std::to_string(row.rank) +
           ",\"plan\":" + (row.planOwn ? "true" : "false") + ",\"strategy\":" + JsonQuoted(StrategyWords(s, plan)) +
           ",\"withdrawalOrder\":" + JsonQuoted(s.withdrawalOrder) + ",\"fillBracket\":" +
           std::to_string(s.fillBracket) + ",\"fillInto\":" + JsonQuoted(s.fillInto) +
           ",\"convertAmount\":" + std::to_string(s.convertAmount) + ",\"fillFromAge\":" +
           std::to_string(s.fillFromAge) + ",\"fillToAge\":" + std::to_string(s.fillToAge) +
           ",\"socialSecurityAge\":[" + std::to_string(s.claimAge[0]) + "," + std::to_string(s.claimAge[1]) +
           "],\"lifetimeTaxes\":" + std::to_string(row.lifetimeTaxes) +
           ",\"afterTaxNetWorth\":" + std::to_string(row.afterTaxNetWorth) + ",\"firstBorrowYear\":" +
           (row.firstBorrowYear ? std::to_string(row.firstBorrowYear) : std::string("null")) +
           ",\"spending\":" + (row.spending ? std::to_string(*row.spending) : std::string("null")) +
           ",\"savingsLasted\":" +
           (row.savingsLastedPercent ? SharePercent(*row.savingsLastedPercent) : std::string("null")) + "}";
    first = false;
  }
  return out + "],\"forecasts\":" + std::to_string(result.forecasts) + "}\n";
}
