#include "model/NumberFormat.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>

#include "model/PlanLineText.h"

namespace {

constexpr std::int64_t kMaxDecimals = 40;

// What is left of an entry once blanks, group separators, "$", signs and
// parentheses are gone, and whether a minus sign or an opening parenthesis
// was among them.
struct CleanedEntry {
  bool blank = false;
  bool negative = false;
  std::string text;
};

CleanedEntry CleanEntry(const std::string& entry) {
  CleanedEntry cleaned;
  std::string text = RemoveChar(entry, ' ');
  if (text.empty()) {
    cleaned.blank = true;
    cleaned.text = "0";
    return cleaned;
  }
  text = RemoveChar(RemoveChar(text, ','), '$');
  const auto withMinus = text.size();
  text = RemoveChar(text, '-');
  const bool hadMinus = text.size() != withMinus;
  text = RemoveChar(text, '+');
  const auto withParenthesis = text.size();
  text = RemoveChar(text, '(');
  const bool hadParenthesis = text.size() != withParenthesis;
  cleaned.negative = hadMinus || hadParenthesis;
  cleaned.text = RemoveChar(text, ')');
  return cleaned;
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Plain digits only; the error is the 1-based position of the first character
// that is not a digit or that takes the value out of range.
template <typename Int>
std::int32_t ConvertDigits(const std::string& text, Int& value) {
  if (text.empty()) return 1;
  Int result = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto position = static_cast<std::int32_t>(std::min<std::size_t>(i + 1, std::numeric_limits<std::int32_t>::max()));
    if (!IsDigit(text[i])) return position;
    const Int digit = text[i] - '0';
    if (result > (std::numeric_limits<Int>::max() - digit) / 10) return position;
    result = result * 10 + digit;
  }
  value = result;
  return 0;
}

template <typename Int>
bool ParseCountingEntry(const std::string& text, Int& value, std::int32_t& errorCode) {
  const CleanedEntry cleaned = CleanEntry(text);
  if (cleaned.negative) {
    errorCode = 1;
    return cleaned.blank;
  }
  errorCode = ConvertDigits(cleaned.text, value);
  return cleaned.blank;
}

// Length of the longest prefix of `text` that forms a decimal number:
// [-]digits[.digits][(e|E)digits], with at least one mantissa digit.
std::size_t DecimalPrefixEnd(const std::string& text, bool& complete) {
  std::size_t i = 0;
  if (i < text.size() && text[i] == '-') ++i;
  std::size_t mantissaDigits = 0;
  while (i < text.size() && IsDigit(text[i])) ++i, ++mantissaDigits;
  if (i < text.size() && text[i] == '.') {
    ++i;
    while (i < text.size() && IsDigit(text[i])) ++i, ++mantissaDigits;
  }
  if (mantissaDigits == 0) {
    complete = false;
    return 0;
  }
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    std::size_t exponentStart = ++i;
    while (i < text.size() && IsDigit(text[i])) ++i;
    if (i == exponentStart) {
      complete = false;
      return i;
    }
  }
  complete = i == text.size();
  return i;
}

std::string GroupThousands(std::uint64_t magnitude) {
  std::string digits = std::to_string(magnitude);
  std::string grouped;
  grouped.reserve(digits.size() + digits.size() / 3);
  for (std::size_t i = 0; i < digits.size(); ++i) {
    if (i > 0 && (digits.size() - i) % 3 == 0) grouped += ',';
    grouped += digits[i];
  }
  return grouped;
}

}  // namespace

std::string RemoveChar(std::string text, char c) {
  text.erase(std::remove(text.begin(), text.end(), c), text.end());
  return text;
}

bool ParseWholeEntry(const std::string& text, std::int32_t& value, std::int32_t& errorCode) {
  return ParseCountingEntry(text, value, errorCode);
}

bool ParseDollarEntry(const std::string& text, std::int64_t& value, std::int32_t& errorCode) {
  return ParseCountingEntry(text, value, errorCode);
}

bool ParseDecimalEntry(const std::string& text, long double& value, std::int32_t& errorCode) {
  const CleanedEntry cleaned = CleanEntry(text);
  const std::string number = cleaned.negative ? "-" + cleaned.text : cleaned.text;
  bool complete = false;
  const std::size_t end = DecimalPrefixEnd(number, complete);
  const auto position = static_cast<std::int32_t>(std::min<std::size_t>(end + 1, std::numeric_limits<std::int32_t>::max()));
  if (!complete) {
    errorCode = position;
    return cleaned.blank;
  }
  long double parsed = 0.0L;
  const auto [stop, error] = std::from_chars(number.data(), number.data() + number.size(), parsed);
  if (error != std::errc{} || stop != number.data() + number.size() || !std::isfinite(parsed)) {
    errorCode = position;
    return cleaned.blank;
  }
  // Only the digits a plan file holds are kept, so a plan saved and opened
  // again forecasts exactly what the entry did.
  value = parsed;
  ParseRateLine(FormatRateLine(parsed), value);
  errorCode = 0;
  return cleaned.blank;
}

std::string FormatDollars(std::int64_t value) {
  // Negating in unsigned arithmetic keeps the most negative amount defined.
  const std::uint64_t magnitude =
      value < 0 ? std::uint64_t{0} - static_cast<std::uint64_t>(value) : static_cast<std::uint64_t>(value);
  if (value < 0) return "(-$" + GroupThousands(magnitude) + ")";
  return "$" + GroupThousands(magnitude);
}

std::string FormatDecimal(long double value, std::int64_t decimals) {
  const int places = static_cast<int>(std::clamp<std::int64_t>(decimals, 0, kMaxDecimals));
  if (value == 0.0L) value = 0.0L;  // no "-0.00" for a negative zero
  // Wide enough for the largest long double written out in full.
  std::string buffer(std::numeric_limits<long double>::max_exponent10 + kMaxDecimals + 16, '\0');
  const auto [end, error] =
      std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, std::chars_format::fixed, places);
  const std::string text = error == std::errc{} ? std::string(buffer.data(), end) : std::string("0");
  return value < 0.0L ? "(" + text + ")" : text;
}

std::string CaptionPlanName(const std::string& planFileName) {
  const auto dot = planFileName.find('.');
  return dot == std::string::npos ? std::string() : planFileName.substr(0, dot);
}

std::string PageCaption(const std::string& title, const std::string& planFileName) {
  return title + CaptionPlanName(planFileName) + " ]";
}
