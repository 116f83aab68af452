#include "views/YearColumns.h"

#include <algorithm>

#include "engine/ExplainTrace.h"
#include "engine/Explanation.h"
#include "engine/ForecastColumns.h"
#include "model/NumberFormat.h"
#include "model/PlanRecord.h"
#include "platform/SettingsStore.h"

namespace {

const QString kChosenFieldsKey = "YearTable/ChosenFields";

bool ShownByDefault(YearField field) {
  return std::any_of(kPlanPageColumns.begin(), kPlanPageColumns.end(),
                     [field](const ForecastColumn& column) { return column.field == field; });
}

YearColumn MoneyColumn(YearField field, bool groupStart) {
  return {YearColumn::Kind::Money, field, QString::fromStdString(FieldTitle(SlotOf(field))), groupStart};
}

}  // namespace

std::vector<YearField> ChoosableYearFields() {
  std::vector<YearField> fields;
  for (const ForecastColumn& column : kForecastColumns) {
    if (!ShownByDefault(column.field)) fields.push_back(column.field);
  }
  return fields;
}

std::vector<YearColumn> YearTableColumns(bool secondPerson, const std::vector<YearField>& chosen) {
  std::vector<YearColumn> columns = {{YearColumn::Kind::Year, nullptr, "Year", false},
                                     {YearColumn::Kind::Age1, nullptr, "Age1", false}};
  if (secondPerson) columns.push_back({YearColumn::Kind::Age2, nullptr, "Age2", false});
  // The page's three groups begin with net worth, expenses and income.
  for (const ForecastColumn& column : kPlanPageColumns) {
    const bool groupStart = column.field == &YearRecord::NetWorth || column.field == &YearRecord::Expenses ||
                            column.field == &YearRecord::Income;
    columns.push_back(MoneyColumn(column.field, groupStart));
  }
  bool first = true;
  for (const YearField field : ChoosableYearFields()) {
    if (std::find(chosen.begin(), chosen.end(), field) == chosen.end()) continue;
    columns.push_back(MoneyColumn(field, first));
    first = false;
  }
  return columns;
}

QString YearCellText(const YearColumn& column, const PlanRecord& plan, const ForecastTable& table, int a) {
  const std::int64_t offset = a - 1;
  switch (column.kind) {
    case YearColumn::Kind::Year:
      return QString::number(plan.CurrentYear + offset);
    case YearColumn::Kind::Age1:
      return QString::number(plan.Age1 + offset);
    case YearColumn::Kind::Age2:
      return QString::number(plan.Age2 + offset);
    case YearColumn::Kind::Money:
      break;
  }
  const std::int64_t value = table.Year(a).*column.field;
  // A count of years, not money.
  if (column.field == &YearRecord::OtherDebtYears) return QString::number(value);
  return QString::fromStdString(FormatDollars(value));
}

std::vector<YearField> RememberedYearFields(const SettingsStore& settings) {
  const QStringList names = settings.Text(kChosenFieldsKey).value_or(QString()).split(',', Qt::SkipEmptyParts);
  std::vector<YearField> fields;
  for (const YearField field : ChoosableYearFields()) {
    if (names.contains(QString(ForecastColumnOf(field).name))) fields.push_back(field);
  }
  return fields;
}

void RememberYearFields(SettingsStore& settings, const std::vector<YearField>& fields) {
  QStringList names;
  for (const YearField field : fields) names << ForecastColumnOf(field).name;
  settings.SetText(kChosenFieldsKey, names.join(','));
}
