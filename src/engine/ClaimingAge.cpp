#include "engine/ClaimingAge.h"

#include <algorithm>

#include "engine/Money.h"

namespace {

// Monthly steps in units of 1/720,000 of the full benefit, so every one is a
// whole number: 5/9 % a month early, 5/12 % beyond 36 months, and the delayed
// credit of 8 % a year (2/3 % a month) for those born 1943 or later.
constexpr std::int64_t kWhole = 720000;
constexpr std::int64_t kFirstEarlyMonth = 4000;
constexpr std::int64_t kLaterEarlyMonth = 3000;
constexpr std::int32_t kFirstEarlyMonths = 36;

// The delayed credit a month, in the same units, by year of birth.
std::int64_t DelayedCreditMonth(std::int32_t birthYear) {
  if (birthYear >= 1943) return 4800;
  if (birthYear >= 1941) return 4500;
  if (birthYear >= 1939) return 4200;
  if (birthYear >= 1937) return 3900;
  if (birthYear >= 1935) return 3600;
  return 3300;
}

}  // namespace

std::int32_t FullRetirementAgeMonths(std::int32_t birthYear) {
  if (birthYear <= 1937) return 65 * 12;
  if (birthYear <= 1942) return 65 * 12 + 2 * (birthYear - 1937);
  if (birthYear <= 1954) return 66 * 12;
  if (birthYear <= 1959) return 66 * 12 + 2 * (birthYear - 1954);
  return 67 * 12;
}

long double ClaimingFactor(std::int32_t birthYear, std::int32_t claimAge) {
  const std::int32_t full = FullRetirementAgeMonths(birthYear);
  const std::int32_t claim = std::clamp(claimAge, kEarliestClaimAge, kLatestCreditAge) * 12;
  std::int64_t units = kWhole;
  if (claim < full) {
    const std::int32_t early = full - claim;
    units -= std::min(early, kFirstEarlyMonths) * kFirstEarlyMonth;
    units -= std::max(early - kFirstEarlyMonths, 0) * kLaterEarlyMonth;
  } else {
    units += static_cast<std::int64_t>(claim - full) * DelayedCreditMonth(birthYear);
  }
  return static_cast<long double>(units) / static_cast<long double>(kWhole);
}

ClaimedBenefit ClaimedBenefitOf(const PlanRecord& plan, int p) {
  const std::int64_t full = p == 0 ? plan.FullRetirementBenefit1 : plan.FullRetirementBenefit2;
  ClaimedBenefit benefit;
  if (full == 0) return benefit;
  benefit.typed = true;
  // Held to a calendar a person can have been born in, whatever a file holds.
  const std::int64_t born = static_cast<std::int64_t>(plan.CurrentYear) - (p == 0 ? plan.Age1 : plan.Age2);
  benefit.birthYear = static_cast<std::int32_t>(std::clamp<std::int64_t>(born, 1800, 3000));
  benefit.claimAge = std::max(p == 0 ? plan.SocialSecurityAge1 : plan.SocialSecurityAge2, kEarliestClaimAge);
  benefit.fullAgeMonths = FullRetirementAgeMonths(benefit.birthYear);
  benefit.factor = ClaimingFactor(benefit.birthYear, benefit.claimAge);
  benefit.yearly = RoundMoney(benefit.factor * full);
  return benefit;
}

void ApplyClaimingRule(PlanRecord& plan) {
  for (int p = 0; p < 2; ++p) {
    const ClaimedBenefit benefit = ClaimedBenefitOf(plan, p);
    if (!benefit.typed) continue;
    (p == 0 ? plan.SocialSecurity1 : plan.SocialSecurity2) = benefit.yearly;
    (p == 0 ? plan.SocialSecurityAge1 : plan.SocialSecurityAge2) = benefit.claimAge;
  }
}
