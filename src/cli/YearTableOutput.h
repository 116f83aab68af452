#pragma once

#include "engine/ForecastTable.h"
#include "engine/TaxRules.h"
#include "model/PlanRecord.h"

enum class TableFormat { Text, Tsv, Csv, Json };

// Prints the used years of a forecast table on stdout: Year, Age1 and the plan
// page's money columns (with `allFields`, every field the tax rules export), aligned under the
// page's titles as text (after a line naming the dollars shown, with Age2 for
// two persons), with field names as TSV or CSV, or as a JSON array of one
// object a year keyed by the field names.
void PrintYearTable(const PlanRecord& plan, const ForecastTable& table, bool allFields, TaxRules rules,
                    TableFormat format, bool currentDollars);
