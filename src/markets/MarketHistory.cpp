#include "markets/MarketHistory.h"

#include <array>
#include <charconv>
#include <cmath>
#include <fstream>
#include <optional>
#include <sstream>

#include "model/CsvFields.h"
#include "model/FileChecks.h"
#include "model/RateRange.h"
#include "model/ReadableText.h"

namespace {

// A century of data is a few kilobytes; anything far larger is not a history file.
constexpr std::size_t kMaxFileBytes = 4 * 1024 * 1024;
constexpr std::size_t kMaxYears = 10000;

enum Column { kYear, kInflation, kStocks, kBonds, kRealEstate, kColumnCount };
constexpr std::array<const char*, kColumnCount> kColumnNames = {"Year", "Inflation", "Stocks", "Bonds", "RealEstate"};

std::optional<std::int32_t> ParseYear(const std::string& text) {
  std::int32_t value = 0;
  const char* end = text.data() + text.size();
  const auto [ptr, ec] = std::from_chars(text.data(), end, value);
  if (text.empty() || ec != std::errc() || ptr != end) return std::nullopt;
  return value;
}

class Parser {
 public:
  explicit Parser(const std::string& name) : name_(name) {}

  MarketHistoryResult Run(const std::string& text) {
    std::istringstream lines(text);
    std::string line;
    bool headerSeen = false;
    while (std::getline(lines, line)) {
      ++lineNumber_;
      if (!line.empty() && line.back() == '\r') line.pop_back();
      if (lineNumber_ == 1 && line.rfind("\xEF\xBB\xBF", 0) == 0) line.erase(0, 3);
      if (TrimCsvField(line).empty()) continue;
      const bool good = headerSeen ? ReadRow(line) : ReadHeader(line);
      if (!good) return result_;
      headerSeen = true;
    }
    if (!headerSeen) {
      lineNumber_ = 1;
      return Fail("the file is empty; the first line must be Year,Inflation,Stocks,Bonds");
    }
    if (result_.history.years.empty()) return Fail("the file has a header but no years");
    result_.history.name = name_;
    return result_;
  }

  MarketHistoryResult Fail(const std::string& message) {
    result_.error = ReadableText(name_) + ":" + std::to_string(lineNumber_) + ": " + message;
    result_.history = MarketHistory{};
    return result_;
  }

 private:
  bool ReadHeader(const std::string& line) {
    positions_.fill(-1);
    const std::vector<std::string> fields = SplitCsvFields(line);
    for (std::size_t i = 0; i < fields.size(); ++i) {
      int column = 0;
      while (column < kColumnCount && fields[i] != kColumnNames[static_cast<std::size_t>(column)]) ++column;
      if (column == kColumnCount) return Failed("unknown column \"" + ReadableExcerpt(fields[i]) + "\" in the header");
      if (positions_[static_cast<std::size_t>(column)] >= 0)
        return Failed("column " + ReadableExcerpt(fields[i]) + " appears twice");
      positions_[static_cast<std::size_t>(column)] = static_cast<int>(i);
    }
    for (int column = kYear; column < kRealEstate; ++column) {
      if (positions_[static_cast<std::size_t>(column)] < 0) {
        return Failed(std::string("the header has no ") + kColumnNames[static_cast<std::size_t>(column)] +
                      " column (expected Year,Inflation,Stocks,Bonds and optionally RealEstate)");
      }
    }
    columnCount_ = fields.size();
    result_.history.hasRealEstate = positions_[kRealEstate] >= 0;
    return true;
  }

  bool ReadRow(const std::string& line) {
    const std::vector<std::string> fields = SplitCsvFields(line);
    if (fields.size() != columnCount_) {
      return Failed("expected " + std::to_string(columnCount_) + " values, found " + std::to_string(fields.size()));
    }
    if (result_.history.years.size() >= kMaxYears) return Failed("more than " + std::to_string(kMaxYears) + " years");
    MarketYear row;
    const std::string& yearText = fields[static_cast<std::size_t>(positions_[kYear])];
    const std::optional<std::int32_t> year = ParseYear(yearText);
    if (!year) return Failed("the year \"" + ReadableExcerpt(yearText) + "\" is not a whole number");
    row.year = *year;
    if (!result_.history.years.empty()) {
      const std::int32_t previous = result_.history.years.back().year;
      if (row.year <= previous) {
        return Failed("year " + yearText +
                      (row.year == previous ? " is repeated" : " comes after " + std::to_string(previous)));
      }
      if (static_cast<std::int64_t>(row.year) != static_cast<std::int64_t>(previous) + 1) {
        return Failed("year " + yearText + " leaves a gap after " + std::to_string(previous));
      }
    }
    const std::array<long double MarketYear::*, kColumnCount> targets = {
        nullptr, &MarketYear::inflation, &MarketYear::stocks, &MarketYear::bonds, &MarketYear::realEstate};
    for (int column = kInflation; column < kColumnCount; ++column) {
      const int position = positions_[static_cast<std::size_t>(column)];
      if (position < 0) continue;
      const std::string& text = fields[static_cast<std::size_t>(position)];
      const std::optional<long double> value = ParseCsvNumber(text);
      const char* columnName = kColumnNames[static_cast<std::size_t>(column)];
      if (!value) return Failed(std::string(columnName) + " \"" + ReadableExcerpt(text) + "\" is not a finite number");
      if (!RateInRange(*value))
        return Failed(std::string(columnName) + " " + ReadableExcerpt(text) + " is not " + RateRangeText());
      row.*targets[static_cast<std::size_t>(column)] = *value;
    }
    result_.history.years.push_back(row);
    return true;
  }

  bool Failed(const std::string& message) {
    Fail(message);
    return false;
  }

  std::string name_;
  int lineNumber_ = 0;
  std::array<int, kColumnCount> positions_{};
  std::size_t columnCount_ = 0;
  MarketHistoryResult result_;
};

}  // namespace

MarketHistoryResult ParseMarketHistory(const std::string& text, const std::string& name) {
  return Parser(name).Run(text);
}

MarketHistoryResult ReadMarketHistory(const std::string& path) {
  MarketHistoryResult result;
  if (const std::string problem = FileToReadProblem(path); !problem.empty()) {
    result.error = ReadableText(path) + ": cannot read the history file: " + problem;
    return result;
  }
  std::ifstream file(path, std::ios::binary);
  if (!file) {
    result.error = ReadableText(path) + ": cannot open the history file";
    return result;
  }
  std::string text(kMaxFileBytes + 1, '\0');
  file.read(text.data(), static_cast<std::streamsize>(text.size()));
  if (file.bad()) {
    result.error = ReadableText(path) + ": cannot read the history file";
    return result;
  }
  text.resize(static_cast<std::size_t>(file.gcount()));
  if (text.size() > kMaxFileBytes) {
    result.error = ReadableText(path) + ": the history file is larger than 4 MiB";
    return result;
  }
  return ParseMarketHistory(text, path);
}
