#pragma once

#include <QString>
#include <QStringList>
#include <cstdint>
#include <vector>

#include "engine/ForecastTable.h"

class SettingsStore;
struct PlanRecord;

using YearField = std::int64_t YearRecord::*;

// One column of a year table: the calendar year, a person's age or a money field.
struct YearColumn {
  enum class Kind { Year, Age1, Age2, Money };
  Kind kind = Kind::Money;
  YearField field = nullptr;  // money columns only
  QString title;
  // The first column of a group (assets, expenses, income, the chosen fields):
  // the grid draws a heavier line before it.
  bool groupStart = false;

  bool operator==(const YearColumn&) const = default;
};

// The fields a year table leaves out unless the user chooses them, in record order.
std::vector<YearField> ChoosableYearFields();

// Year, Age1, Age2 (with a second person), the plan page's money columns and
// then the chosen fields, in record order whatever order they were chosen in.
std::vector<YearColumn> YearTableColumns(bool secondPerson, const std::vector<YearField>& chosen);

// The text of `column` in forecast year `a` (1-based) of `plan`.
QString YearCellText(const YearColumn& column, const PlanRecord& plan, const ForecastTable& table, int a);

// The chosen fields as the settings remember them for every year table;
// names that are not choosable (a damaged or newer store) are skipped.
std::vector<YearField> RememberedYearFields(const SettingsStore& settings);
void RememberYearFields(SettingsStore& settings, const std::vector<YearField>& fields);
