#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "cli/CliSupport.h"
#include "cli/Commands.h"
#include "cli/OptionTable.h"
#include "engine/ForecastColumns.h"
#include "model/NumberFormat.h"
#include "model/PlanRecord.h"

namespace {

enum class Format { Text, Tsv, Csv };

struct ForecastOptions {
  std::string plan;
  bool currentDollars = false;
  bool allFields = false;
  Format format = Format::Text;
};

const char* StoreFormat(ForecastOptions& options, const std::string& format) {
  if (format == "text") {
    options.format = Format::Text;
  } else if (format == "tsv") {
    options.format = Format::Tsv;
  } else if (format == "csv") {
    options.format = Format::Csv;
  } else {
    return "unknown format";
  }
  return nullptr;
}

const CliOption<ForecastOptions> kForecastOptions[] = {
    {.name = "--current-dollars", .flag = &ForecastOptions::currentDollars},
    {.name = "--all-fields", .flag = &ForecastOptions::allFields},
    {.name = "--format", .store = StoreFormat},
};

const CommandSyntax<ForecastOptions> kForecastSyntax{
    .usage = kForecastUsage,
    .errorStyle = UsageErrorStyle::UsageOnly,
    .options = kForecastOptions,
    .plan = &ForecastOptions::plan,
    .namesPlan = LacksDash,
};

std::span<const ForecastColumn> ChosenColumns(bool allFields) {
  if (allFields) return kForecastColumns;
  return kPlanPageColumns;
}

// One row of cells per used year, the header first.
std::vector<std::vector<std::string>> BuildCells(const PlanRecord& plan, const ForecastTable& table,
                                                 std::span<const ForecastColumn> columns, Format format) {
  const bool text = format == Format::Text;
  std::vector<std::vector<std::string>> rows;
  std::vector<std::string> header = {"Year", "Age1"};
  for (const ForecastColumn& column : columns) header.emplace_back(text && column.title ? column.title : column.name);
  rows.push_back(header);
  for (int a = 1; a <= RowCount(plan); ++a) {
    std::vector<std::string> row = {std::to_string(static_cast<std::int64_t>(plan.CurrentYear) + a - 1),
                                    std::to_string(static_cast<std::int64_t>(plan.Age1) + a - 1)};
    for (const ForecastColumn& column : columns) {
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
  ForecastOptions options;
  if (const std::optional<int> status = ParseCommandLine(args, kForecastSyntax, options)) return *status;
  PlanRecord plan;
  ForecastTable table;
  if (!LoadForecastForCli(options.plan, options.currentDollars, plan, table)) return 2;

  const auto rows = BuildCells(plan, table, ChosenColumns(options.allFields), options.format);
  switch (options.format) {
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
