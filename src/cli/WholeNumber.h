#pragma once

#include <charconv>
#include <optional>
#include <string>

// A whole number read as every number of the command line is: decimal digits
// only (no hex, no blanks, no trailing text), within the type's range.
template <typename Number>
std::optional<Number> ParseWhole(const std::string& text) {
  Number value{};
  const char* end = text.data() + text.size();
  const auto [ptr, ec] = std::from_chars(text.data(), end, value);
  if (text.empty() || ec != std::errc() || ptr != end) return std::nullopt;
  return value;
}
