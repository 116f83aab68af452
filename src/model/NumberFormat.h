#pragma once

#include <cstdint>
#include <string>

// Shared instructions text that most data-entry pages append to their help.
inline constexpr const char* kNumberFormatInstructions =
    "\r\n\r\nNUMBER FORMAT\r\nEnter only whole numbers with or without commas. Fractional or "
    "decimal numbers will generate a data entry error message. The program automatically adds $ "
    "signs to the dollar value items and puts parenthesis around negative numbers.";

// The text with every occurrence of `c` removed.
std::string RemoveChar(std::string text, char c);

// Entry parsers for the data-entry pages. Each returns true when the entry held
// nothing but blanks (it then parses as 0). `errorCode` is always overwritten:
// 0 on success, 1 for a refused sign, otherwise the 1-based position of the
// first unusable character. The target changes only on success.
bool ParseWholeEntry(const std::string& text, std::int32_t& value, std::int32_t& errorCode);
bool ParseDollarEntry(const std::string& text, std::int64_t& value, std::int32_t& errorCode);
// The only parser that accepts negative numbers: "-2.5", "(2.5)" and "(-2.50)" all give -2.5.
bool ParseDecimalEntry(const std::string& text, long double& value, std::int32_t& errorCode);

// 1234567 -> "$1,234,567"; -1234 -> "(-$1,234)".
std::string FormatDollars(std::int64_t value);
// Fixed point with `decimals` places, "." as decimal point; negatives in
// parentheses: -2.5 with 2 decimals -> "(-2.50)".
std::string FormatDecimal(long double value, std::int64_t decimals);

// The plan name shown in captions: `planFileName` up to its first "." (empty
// when it has none).
std::string CaptionPlanName(const std::string& planFileName);
// `title` carries its own opening bracket ("Income Page [ "), so the sample
// plan gives "Income Page [ JohnSmith ]".
std::string PageCaption(const std::string& title, const std::string& planFileName);
