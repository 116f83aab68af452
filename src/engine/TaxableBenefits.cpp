#include "engine/TaxableBenefits.h"

#include <algorithm>

#include "engine/Money.h"

using namespace taxlaw;

std::int64_t TaxableBenefits(TaxReturn kind, std::int64_t otherIncome, std::int64_t benefits) {
  if (benefits <= 0) return 0;
  const std::array<std::int64_t, 2> none = {0, 0};
  const std::array<std::int64_t, 2>& bases =
      kind == TaxReturn::Joint ? kJointBenefitBases : (kind == TaxReturn::Separate ? none : kSingleBenefitBases);
  const long double b = static_cast<long double>(benefits);
  const long double provisional = static_cast<long double>(otherIncome) + 0.5L * b;
  const auto base = static_cast<long double>(bases[0]);
  const auto adjusted = static_cast<long double>(bases[1]);
  if (provisional <= base) return 0;
  if (provisional <= adjusted) return RoundMoney(std::min(0.5L * (provisional - base), 0.5L * b));
  return RoundMoney(
      std::min(0.85L * b, 0.85L * (provisional - adjusted) + std::min(0.5L * b, 0.5L * (adjusted - base))));
}
