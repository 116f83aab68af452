#pragma once

#include <cstdint>

// How the household files its income taxes. The record and the plan file keep
// the number; a value outside the four (only a damaged file holds one) is
// taxed like separate filing.
enum class FilingStatus : std::int32_t {
  OneSingle = 1,
  Jointly = 2,
  TwoSingles = 3,
  Separately = 4,
};

constexpr FilingStatus FilingStatusOf(std::int32_t stored) { return static_cast<FilingStatus>(stored); }

constexpr std::int32_t StoredValue(FilingStatus status) { return static_cast<std::int32_t>(status); }

// Each person is taxed as a single person and enters their own income taxes.
constexpr bool FilesAsTwoPersons(std::int32_t stored) {
  const FilingStatus s = FilingStatusOf(stored);
  return s == FilingStatus::TwoSingles || s == FilingStatus::Separately;
}
