#pragma once

#include <cstdint>

#include "model/PlanRecord.h"

// Social Security by claiming age, for a person who typed the benefit at full
// retirement age from their statement (docs/social-security.md). Ages are
// whole years; the person is taken as born in CurrentYear - age.

// Full retirement age in months: 65 up to 1937, two months more a year to 66
// for 1943-1954, again to 67 for 1960 and later.
std::int32_t FullRetirementAgeMonths(std::int32_t birthYear);

// Earliest and latest ages the rule distinguishes: no benefit starts before 62,
// and delayed credits stop at 70.
inline constexpr std::int32_t kEarliestClaimAge = 62;
inline constexpr std::int32_t kLatestCreditAge = 70;

// The share of the full benefit paid when claiming at `claimAge`: less 5/9 %
// for each of the first 36 months early and 5/12 % for each month beyond,
// plus the delayed credit (8 % a year from 1943 on, less for earlier years)
// for each month after the full retirement age up to 70.
long double ClaimingFactor(std::int32_t birthYear, std::int32_t claimAge);

// How person p's benefit follows from the full benefit, when it was typed.
struct ClaimedBenefit {
  bool typed = false;
  std::int32_t birthYear = 0;
  std::int32_t claimAge = 0;           // the age it starts: the typed one, at least 62
  std::int32_t fullAgeMonths = 0;      // full retirement age in months
  long double factor = 1.0L;           // ClaimingFactor
  std::int64_t yearly = 0;             // full benefit x factor, today's dollars
};
ClaimedBenefit ClaimedBenefitOf(const PlanRecord& plan, int p);

// The plan as a forecast reads it: for each person with a typed full benefit,
// the yearly benefit and starting age become the claimed ones. Plans without
// one are returned unchanged.
void ApplyClaimingRule(PlanRecord& plan);
