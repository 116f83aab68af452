#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "engine/ForecastTable.h"

// The year record's fields by name, in record order: the names exports and
// comparisons use for them.
struct YearField {
  const char* name;
  std::int64_t YearRecord::*member;
};

const std::array<YearField, kYearFieldCount>& YearFields();

// The field called `name` (exact spelling), or nullptr.
const YearField* FindYearField(std::string_view name);
