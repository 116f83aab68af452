#pragma once

#include <string>

#include "compare/Comparison.h"

// A comparison written out for a reader or a program. `baseName` and
// `otherName` say which plans were compared (usually their paths). Money in
// the text is in dollars as the pages show it; JSON and CSV give whole numbers.

// Sections: input changes, what follows from them, summary, attribution and
// the years; "no differences" alone when the plans are the same.
std::string ComparisonText(const Comparison& comparison, const std::string& baseName, const std::string& otherName);

// One object with the same parts as the text (see docs/compare.md).
std::string ComparisonJson(const Comparison& comparison, const std::string& baseName, const std::string& otherName);

// One table, columns section,item,year,base,other,difference, one row per
// changed field, summary line, attribution part and year field.
std::string ComparisonCsv(const Comparison& comparison);

// The words a report uses for a changed field: "Income Page > First Person >
// Total annual salary at start age".
std::string FieldPlace(int line);

// One cell of a summary line: dollars, a calendar year or "none"; a
// difference of years reads "+2 years".
std::string SummaryCellText(const SummaryLine& line, const std::optional<std::int64_t>& value, bool difference);
