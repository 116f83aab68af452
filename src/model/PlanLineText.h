#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// Conversions of single plan file lines. They never use the global locale:
// files must move between machines.

// Shortest general form with at most 15 significant digits, "." as decimal
// point: 2.5 -> "2.5", 6 -> "6".
std::string FormatRateLine(long double value);

// Decimal integers with an optional sign; surrounding blanks are tolerated.
// Values outside the width fail instead of wrapping.
bool ParseIntegerLine(std::string_view line, std::int32_t& value);
bool ParseIntegerLine(std::string_view line, std::int64_t& value);

// Finite decimal numbers with "." or "," as decimal point and an optional exponent.
bool ParseRateLine(std::string_view line, long double& value);
