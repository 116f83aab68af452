#pragma once

#include <optional>
#include <string>
#include <vector>

// The small CSV dialect of the rate path and market history files: fields
// separated by commas, no quoting, blanks and tabs around a field ignored.

// `text` as one field of a CSV file others read: quoted when it holds a
// separator, a quote or a line break, its quotes doubled.
std::string CsvCell(const std::string& text);

// `text` without leading and trailing blanks and tabs.
std::string TrimCsvField(const std::string& text);

// The trimmed fields of one line.
std::vector<std::string> SplitCsvFields(const std::string& line);

// The whole field as a finite number ("2.5", "-1e1"); nothing for an empty
// field, trailing text, NaN or infinity.
std::optional<long double> ParseCsvNumber(const std::string& field);
