#include "cli/YearTableOutput.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <span>
#include <string>
#include <vector>

#include "engine/DollarViews.h"
#include "engine/ForecastColumns.h"
#include "model/JsonText.h"
#include "model/NumberFormat.h"
#include "model/WithdrawalStrategy.h"

namespace {

std::span<const ForecastColumn> ChosenColumns(bool allFields, TaxRules rules, const PlanRecord& plan) {
  if (allFields) return ExportedColumns(rules, UsesAccounts(plan));
  return kPlanPageColumns;
}

// One row of cells per used year, the header first.
std::vector<std::vector<std::string>> BuildCells(const PlanRecord& plan, const ForecastTable& table,
                                                 std::span<const ForecastColumn> columns, TableFormat format) {
  const bool text = format == TableFormat::Text;
  std::vector<std::vector<std::string>> rows;
  // The text table shows both ages as the plan page does; the exports keep their columns.
  const bool age2 = text && plan.SecondPerson;
  std::vector<std::string> header = {"Year", "Age1"};
  if (age2) header.emplace_back("Age2");
  for (const ForecastColumn& column : columns) header.emplace_back(text && column.title ? column.title : column.name);
  rows.push_back(header);
  for (int a = 1; a <= RowCount(plan); ++a) {
    std::vector<std::string> row = {std::to_string(static_cast<std::int64_t>(plan.CurrentYear) + a - 1),
                                    std::to_string(static_cast<std::int64_t>(plan.Age1) + a - 1)};
    if (age2) row.push_back(std::to_string(static_cast<std::int64_t>(plan.Age2) + a - 1));
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

// Every cell but the header is an integer: written as a JSON number.
void PrintJson(const std::vector<std::vector<std::string>>& rows) {
  const std::vector<std::string>& header = rows.front();
  std::fputs("[", stdout);
  for (std::size_t r = 1; r < rows.size(); ++r) {
    std::string line = r > 1 ? ",\n  {" : "\n  {";
    for (std::size_t c = 0; c < header.size(); ++c) {
      if (c > 0) line += ", ";
      line += JsonQuoted(header[c]) + ": " + rows[r][c];
    }
    std::fputs((line + "}").c_str(), stdout);
  }
  std::fputs(rows.size() > 1 ? "\n]\n" : "]\n", stdout);
}

}  // namespace

void PrintYearTable(const PlanRecord& plan, const ForecastTable& table, bool allFields, TaxRules rules,
                    TableFormat format, bool currentDollars) {
  const auto rows = BuildCells(plan, table, ChosenColumns(allFields, rules, plan), format);
  switch (format) {
    case TableFormat::Text:
      std::printf("%s\n", DollarViewName(currentDollars, plan.CurrentYear).c_str());
      PrintAligned(rows);
      break;
    case TableFormat::Tsv:
      PrintSeparated(rows, '\t');
      break;
    case TableFormat::Csv:
      PrintSeparated(rows, ',');
      break;
    case TableFormat::Json:
      PrintJson(rows);
      break;
  }
}
