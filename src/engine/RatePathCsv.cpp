#include "engine/RatePathCsv.h"

#include <array>
#include <charconv>
#include <cmath>
#include <fstream>
#include <vector>

#include "model/CsvFields.h"
#include "model/FileChecks.h"
#include "model/RateRange.h"
#include "model/ReadableText.h"

namespace {

// The shortest text that reads back as the same long double: plain digits,
// or with an exponent for the rare tiny rate whose digits would not fit.
std::string ExactText(long double value) {
  char text[128];
  auto written = std::to_chars(text, text + sizeof text, value, std::chars_format::fixed);
  if (written.ec != std::errc()) written = std::to_chars(text, text + sizeof text, value);
  return std::string(text, written.ptr);
}

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

// Whether only blank lines are left: a file ended by an empty line or two
// still ends there.
bool OnlyBlankLinesLeft(std::istream& in) {
  std::string line;
  for (LineRead read = ReadLine(in, line); read != LineRead::End; read = ReadLine(in, line)) {
    if (read == LineRead::TooLong || !TrimCsvField(line).empty()) return false;
  }
  return true;
}

// Why a row's rates cannot be forecast with, or an empty text.
std::string RateRowProblem(const std::array<long double, kColumns>& values, const std::vector<std::string>& fields) {
  for (std::size_t c = 1; c < kColumns; ++c) {
    if (!RateInRange(values[c])) {
      return std::string(kColumnNames[c]) + " \"" + ReadableExcerpt(fields[c]) + "\" is not " + RateRangeText();
    }
  }
  return {};
}

RatePathRead Refuse(const std::string& fileName, std::size_t line, const std::string& why) {
  return {std::nullopt, ReadableText(fileName) + ":" + std::to_string(line) + ": " + why};
}

}  // namespace

RatePathRead ReadRatePathCsv(const std::string& fileName, std::int64_t firstYear, int years) {
  if (const std::string problem = FileToReadProblem(fileName); !problem.empty())
    return {std::nullopt, "cannot read the rate file \"" + ReadableText(fileName) + "\": " + problem};
  std::ifstream in(fileName, std::ios::binary);
  if (!in) return {std::nullopt, "cannot read the rate file \"" + ReadableText(fileName) + "\""};
  return ReadRatePathCsv(in, fileName, firstYear, years);
}

RatePathRead ReadRatePathCsv(std::istream& in, const std::string& fileName, std::int64_t firstYear, int years) {
  std::string line;
  std::size_t number = 1;
  LineRead read = ReadLine(in, line);
  if (read == LineRead::TooLong) return Refuse(fileName, number, "the line is too long");
  if (read == LineRead::End || TrimCsvField(line) != kRatePathHeader) {
    return Refuse(fileName, number, std::string("expected the header ") + kRatePathHeader);
  }

  std::vector<YearRates> rates;
  while (static_cast<int>(rates.size()) < years) {
    read = ReadLine(in, line);
    ++number;
    const std::int64_t year = firstYear + static_cast<std::int64_t>(rates.size());
    if (read == LineRead::TooLong) return Refuse(fileName, number, "the line is too long");
    if (read == LineRead::Line && TrimCsvField(line).empty()) {
      if (!OnlyBlankLinesLeft(in)) return Refuse(fileName, number, "an empty line comes before more rows");
      read = LineRead::End;
    }
    // A scenario may cover only the first years; the caller fills in the rest.
    if (read == LineRead::End && !rates.empty()) break;
    if (read == LineRead::End) {
      return Refuse(fileName, number,
                    "the file holds no rates; the first row must be the year " + std::to_string(firstYear));
    }
    const std::vector<std::string> fields = SplitCsvFields(line);
    if (fields.size() != kColumns) {
      return Refuse(fileName, number,
                    "expected " + std::to_string(kColumns) + " columns, found " + std::to_string(fields.size()));
    }
    std::array<long double, kColumns> values{};
    for (std::size_t c = 0; c < kColumns; ++c) {
      const std::optional<long double> value = ParseCsvNumber(fields[c]);
      if (!value) {
        return Refuse(fileName, number,
                      std::string(kColumnNames[c]) + " \"" + ReadableExcerpt(fields[c]) + "\" is not a finite number");
      }
      values[c] = *value;
    }
    if (values[0] != static_cast<long double>(year)) {
      return Refuse(fileName, number,
                    "expected the year " + std::to_string(year) + ", found " + ReadableExcerpt(fields[0]));
    }
    if (const std::string problem = RateRowProblem(values, fields); !problem.empty())
      return Refuse(fileName, number, problem);
    rates.push_back({values[1], values[2], values[3], values[4]});
  }
  const int given = static_cast<int>(rates.size());
  if (rates.empty()) return {RatePath(), {}, 0};
  return {RatePath(rates), {}, given};
}

std::string RatePathCsvText(const RatePath& path, std::int64_t firstYear, int years) {
  std::string csv = std::string(kRatePathHeader) + "\n";
  for (int a = 1; a <= years; ++a) {
    const YearRates& year = path.Year(a);
    csv += std::to_string(firstYear + a - 1) + "," + ExactText(year.Inflation) + "," + ExactText(year.TaxableReturn) +
           "," + ExactText(year.TaxDeferredReturn) + "," + ExactText(year.RealEstateGrowth) + "\n";
  }
  return csv;
}
