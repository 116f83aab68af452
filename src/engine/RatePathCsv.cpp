#include "engine/RatePathCsv.h"

#include <array>
#include <charconv>
#include <cmath>
#include <fstream>
#include <vector>

namespace {

constexpr std::size_t kColumns = 5;
// Longer lines are refused rather than held in memory.
constexpr std::size_t kMaxLine = 4096;
constexpr std::array<const char*, kColumns> kColumnNames = {"Year", "Inflation", "TaxableReturn", "TaxDeferredReturn",
                                                            "RealEstateGrowth"};

enum class LineRead { Line, End, TooLong };

LineRead ReadLine(std::istream& in, std::string& line) {
  line.clear();
  char c = 0;
  bool any = false;
  while (in.get(c)) {
    any = true;
    if (c == '\n') break;
    if (line.size() == kMaxLine) return LineRead::TooLong;
    line.push_back(c);
  }
  if (!any) return LineRead::End;
  if (!line.empty() && line.back() == '\r') line.pop_back();
  return LineRead::Line;
}

std::string Trim(const std::string& text) {
  const auto first = text.find_first_not_of(" \t");
  if (first == std::string::npos) return {};
  const auto last = text.find_last_not_of(" \t");
  return text.substr(first, last - first + 1);
}

std::vector<std::string> SplitFields(const std::string& line) {
  std::vector<std::string> fields;
  std::size_t start = 0;
  while (true) {
    const std::size_t comma = line.find(',', start);
    fields.push_back(Trim(line.substr(start, comma == std::string::npos ? std::string::npos : comma - start)));
    if (comma == std::string::npos) return fields;
    start = comma + 1;
  }
}

// The whole field as a finite number.
std::optional<long double> ParseNumber(const std::string& field) {
  if (field.empty()) return std::nullopt;
  long double value = 0.0L;
  const char* end = field.data() + field.size();
  const auto [stop, error] = std::from_chars(field.data(), end, value);
  if (error != std::errc{} || stop != end || !std::isfinite(value)) return std::nullopt;
  return value;
}

RatePathRead Refuse(const std::string& fileName, std::size_t line, const std::string& why) {
  return {std::nullopt, fileName + ":" + std::to_string(line) + ": " + why};
}

}  // namespace

RatePathRead ReadRatePathCsv(const std::string& fileName, std::int64_t firstYear, int years) {
  std::ifstream in(fileName, std::ios::binary);
  if (!in) return {std::nullopt, "cannot read the rate file \"" + fileName + "\""};
  return ReadRatePathCsv(in, fileName, firstYear, years);
}

RatePathRead ReadRatePathCsv(std::istream& in, const std::string& fileName, std::int64_t firstYear, int years) {
  std::string line;
  std::size_t number = 1;
  LineRead read = ReadLine(in, line);
  if (read == LineRead::TooLong) return Refuse(fileName, number, "the line is too long");
  if (read == LineRead::End || Trim(line) != kRatePathHeader) {
    return Refuse(fileName, number, std::string("expected the header ") + kRatePathHeader);
  }

  std::vector<YearRates> rates;
  while (static_cast<int>(rates.size()) < years) {
    read = ReadLine(in, line);
    ++number;
    const std::int64_t year = firstYear + static_cast<std::int64_t>(rates.size());
    if (read == LineRead::TooLong) return Refuse(fileName, number, "the line is too long");
    if (read == LineRead::End) {
      return Refuse(fileName, number,
                    "the file ends before the rates of " + std::to_string(year) + "; the forecast needs " +
                        std::to_string(years) + " years from " + std::to_string(firstYear));
    }
    const std::vector<std::string> fields = SplitFields(line);
    if (fields.size() != kColumns) {
      return Refuse(fileName, number,
                    "expected " + std::to_string(kColumns) + " columns, found " + std::to_string(fields.size()));
    }
    std::array<long double, kColumns> values{};
    for (std::size_t c = 0; c < kColumns; ++c) {
      const std::optional<long double> value = ParseNumber(fields[c]);
      if (!value) {
        return Refuse(fileName, number, std::string(kColumnNames[c]) + " \"" + fields[c] + "\" is not a finite number");
      }
      values[c] = *value;
    }
    if (values[0] != static_cast<long double>(year)) {
      return Refuse(fileName, number, "expected the year " + std::to_string(year) + ", found " + fields[0]);
    }
    rates.push_back({values[1], values[2], values[3], values[4]});
  }
  if (rates.empty()) return {RatePath(), {}};
  return {RatePath(rates), {}};
}
