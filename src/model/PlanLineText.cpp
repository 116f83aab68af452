#include "model/PlanLineText.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace {

std::string_view TrimBlanks(std::string_view text) {
  const auto first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  const auto last = text.find_last_not_of(" \t");
  return text.substr(first, last - first + 1);
}

template <typename Int>
bool ParseInteger(std::string_view line, Int& value) {
  std::string_view text = TrimBlanks(line);
  // from_chars takes no "+", but hand-edited files may carry one.
  if (text.size() > 1 && text.front() == '+' && text[1] != '-') text.remove_prefix(1);
  Int parsed{};
  const char* end = text.data() + text.size();
  const auto [stop, error] = std::from_chars(text.data(), end, parsed);
  if (text.empty() || error != std::errc{} || stop != end) return false;
  value = parsed;
  return true;
}

}  // namespace

std::string FormatRateLine(long double value) {
  char buffer[64];
  const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 15);
  if (error != std::errc{}) return "0";
  return std::string(buffer, end);
}

bool ParseIntegerLine(std::string_view line, std::int32_t& value) { return ParseInteger(line, value); }

bool ParseIntegerLine(std::string_view line, std::int64_t& value) { return ParseInteger(line, value); }

bool ParseRateLine(std::string_view line, long double& value) {
  std::string text(TrimBlanks(line));
  // A file written where "," is the decimal separator still reads here.
  if (text.find('.') == std::string::npos) std::replace(text.begin(), text.end(), ',', '.');
  if (text.size() > 1 && text.front() == '+' && text[1] != '-') text.erase(0, 1);
  long double parsed = 0.0L;
  const char* end = text.data() + text.size();
  const auto [stop, error] = std::from_chars(text.data(), end, parsed, std::chars_format::general);
  if (text.empty() || error != std::errc{} || stop != end || !std::isfinite(parsed)) return false;
  value = parsed;
  return true;
}
