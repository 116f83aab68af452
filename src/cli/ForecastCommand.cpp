#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "cli/Commands.h"
#include "engine/DollarViews.h"
#include "engine/Forecast.h"
#include "engine/RatePathCsv.h"
#include "model/NumberFormat.h"
#include "model/PlanFile.h"

namespace {

enum class Format { Text, Tsv, Csv };

struct Options {
  std::string plan;
  bool currentDollars = false;
  bool allFields = false;
  std::string rates;  // a rate path's CSV file, or empty for the plan's own rates
  Format format = Format::Text;
};

struct Column {
  const char* name;   // the year record's field name: tsv and csv headers
  const char* title;  // the plan page's column title, or nullptr: text header
  std::int64_t YearRecord::*field;
};

// Every field in record order.
const std::array<Column, kYearFieldCount> kAllColumns = {{
    {"NetWorth", "   Net Worth", &YearRecord::NetWorth},
    {"TaxDeferred", "Tax Deferred", &YearRecord::TaxDeferred},
    {"TaxableInvest", "Taxable Invest", &YearRecord::TaxableInvest},
    {"HomeEquity", nullptr, &YearRecord::HomeEquity},
    {"OtherDebt", " Other Debt", &YearRecord::OtherDebt},
    {"Expenses", "  Expenses", &YearRecord::Expenses},
    {"IncomeTaxes", "Income Taxes", &YearRecord::IncomeTaxes},
    {"PropertyTax", "Property Tax", &YearRecord::PropertyTax},
    {"Income", "   Income", &YearRecord::Income},
    {"Salaries", " Salaries", &YearRecord::Salaries},
    {"Pensions", " Pensions", &YearRecord::Pensions},
    {"SocialSecurity", "Social Security", &YearRecord::SocialSecurity},
    {"InvestReturn", "Invest Return", &YearRecord::InvestReturn},
    {"Distribution", " Distribution", &YearRecord::Distribution},
    {"Mortgage", " Mortgage", &YearRecord::Mortgage},
    {"MortgagePayment", nullptr, &YearRecord::MortgagePayment},
    {"Property", "   Property", &YearRecord::Property},
    {"LoanPayments", nullptr, &YearRecord::LoanPayments},
    {"OtherDebtBalance", nullptr, &YearRecord::OtherDebtBalance},
    {"OtherDebtYears", nullptr, &YearRecord::OtherDebtYears},
    {"TaxableWithdrawal", nullptr, &YearRecord::TaxableWithdrawal},
    {"DeferredWithdrawal", nullptr, &YearRecord::DeferredWithdrawal},
    {"HomeEquityBorrowing", nullptr, &YearRecord::HomeEquityBorrowing},
    {"UnfundedShortfall", nullptr, &YearRecord::UnfundedShortfall},
}};

// The plan page's money columns, in its order.
const std::array<const char*, 15> kPlanPageFields = {
    "NetWorth", "TaxDeferred", "TaxableInvest", "Property",       "Mortgage",     "OtherDebt",   "Expenses",
    "IncomeTaxes", "PropertyTax", "Income",    "Salaries", "Pensions", "SocialSecurity", "InvestReturn",
    "Distribution"};

std::vector<Column> ChosenColumns(bool allFields) {
  if (allFields) return {kAllColumns.begin(), kAllColumns.end()};
  std::vector<Column> columns;
  for (const char* name : kPlanPageFields) {
    const auto found = std::find_if(kAllColumns.begin(), kAllColumns.end(),
                                    [name](const Column& column) { return std::string(column.name) == name; });
    columns.push_back(*found);
  }
  return columns;
}

std::optional<Options> ParseOptions(const CliArgs& args) {
  Options options;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (arg == "--current-dollars") {
      options.currentDollars = true;
    } else if (arg == "--all-fields") {
      options.allFields = true;
    } else if (arg == "--rates" && i + 1 < args.size()) {
      options.rates = args[++i];
    } else if (arg == "--format" && i + 1 < args.size()) {
      const std::string& format = args[++i];
      if (format == "text") {
        options.format = Format::Text;
      } else if (format == "tsv") {
        options.format = Format::Tsv;
      } else if (format == "csv") {
        options.format = Format::Csv;
      } else {
        return std::nullopt;
      }
    } else if (!arg.empty() && arg[0] != '-' && options.plan.empty()) {
      options.plan = arg;
    } else {
      return std::nullopt;
    }
  }
  if (options.plan.empty()) return std::nullopt;
  return options;
}

// One row of cells per used year, the header first.
std::vector<std::vector<std::string>> BuildCells(const PlanRecord& plan, const ForecastTable& table,
                                                 const std::vector<Column>& columns, Format format) {
  const bool text = format == Format::Text;
  std::vector<std::vector<std::string>> rows;
  std::vector<std::string> header = {"Year", "Age1"};
  for (const Column& column : columns) header.emplace_back(text && column.title ? column.title : column.name);
  rows.push_back(header);
  for (int a = 1; a <= RowCount(plan); ++a) {
    std::vector<std::string> row = {std::to_string(static_cast<std::int64_t>(plan.CurrentYear) + a - 1),
                                    std::to_string(static_cast<std::int64_t>(plan.Age1) + a - 1)};
    for (const Column& column : columns) {
      const std::int64_t value = table.Year(a).*column.field;
      row.push_back(text ? FormatDollars(value) : std::to_string(value));
    }
    rows.push_back(row);
  }
  return rows;
}

void PrintSeparated(const std::vector<std::vector<std::string>>& rows, char separator) {
  for (const auto& row : rows) {
    for (std::size_t c = 0; c < row.size(); ++c) {
      if (c > 0) std::putchar(separator);
      std::fputs(row[c].c_str(), stdout);
    }
    std::putchar('\n');
  }
}

void PrintAligned(const std::vector<std::vector<std::string>>& rows) {
  std::vector<std::size_t> widths(rows.front().size(), 0);
  for (const auto& row : rows) {
    for (std::size_t c = 0; c < row.size(); ++c) widths[c] = std::max(widths[c], row[c].size());
  }
  for (const auto& row : rows) {
    std::string line;
    for (std::size_t c = 0; c < row.size(); ++c) {
      if (c > 0) line += "  ";
      line.append(widths[c] - row[c].size(), ' ');
      line += row[c];
    }
    std::puts(line.c_str());
  }
}

}  // namespace

int RunForecastCommand(const CliArgs& args) {
  const std::optional<Options> options = ParseOptions(args);
  if (!options) {
    std::fprintf(stderr, "Usage: %s\n", kForecastUsage);
    return 1;
  }
  PlanRecord plan;
  const PlanFileResult result = ReadPlanFile(plan, options->plan);
  if (result.missing) {
    std::fprintf(stderr, "prevora-cli: there is no plan file \"%s\"\n", options->plan.c_str());
    return 2;
  }
  if (!result.ok) {
    std::fprintf(stderr, "prevora-cli: %s\n", result.message.c_str());
    return 2;
  }
  RatePath path = RatePath::FromPlan(plan);
  if (!options->rates.empty()) {
    RatePathRead read = ReadRatePathCsv(options->rates, plan.CurrentYear, RowCount(plan));
    if (!read.path) {
      std::fprintf(stderr, "prevora-cli: %s\n", read.message.c_str());
      return 2;
    }
    path = *read.path;
  }
  const Forecast forecast = ForecastInView(plan, path, options->currentDollars);
  WriteBack(forecast.updates, plan);
  const ForecastTable& table = forecast.table;

  const auto rows = BuildCells(plan, table, ChosenColumns(options->allFields), options->format);
  switch (options->format) {
    case Format::Text:
      PrintAligned(rows);
      break;
    case Format::Tsv:
      PrintSeparated(rows, '\t');
      break;
    case Format::Csv:
      PrintSeparated(rows, ',');
      break;
  }
  if (std::fflush(stdout) != 0) {
    std::fputs("prevora-cli: could not write the forecast\n", stderr);
    return 2;
  }
  return 0;
}
