#include "engine/LawIncomeTax.h"

#include <algorithm>
#include <cmath>

#include "engine/Money.h"
#include "engine/TaxableBenefits.h"

using namespace taxlaw;

namespace {

std::int64_t PositivePart(std::int64_t value) { return std::max<std::int64_t>(value, 0); }

// The brackets, gains and investment income tax on a return whose deduction is known.
void TaxAfterDeduction(LawReturn& r, TaxReturn kind, long double index, std::int64_t deduction) {
  r.taxable = PositivePart(SubMoney(SubMoney(r.agi, deduction), r.senior));
  // Deductions lower ordinary income first; the gains sit on top.
  const std::int64_t gainsTaxable = std::min(r.gains, r.taxable);
  r.ordinaryTaxable = r.taxable - gainsTaxable;
  r.ordinary = OrdinaryTaxWalk(kind, r.ordinaryTaxable, index);
  r.gainsWalk = GainsTaxWalk(kind, r.ordinaryTaxable, gainsTaxable, index);
  r.federal = SumMoney({RoundMoney(r.ordinary.exact + r.gainsWalk.exact), r.investmentIncomeTax});
}

std::int64_t InvestmentIncomeStart(TaxReturn kind) {
  if (kind == TaxReturn::Joint) return kJointMedicareStart;
  return kind == TaxReturn::Separate ? kSeparateMedicareStart : kSingleMedicareStart;
}

}  // namespace

std::int64_t StandardDeduction(TaxReturn kind, int aged, long double index) {
  const std::int64_t base = IndexedFigure(kind == TaxReturn::Joint ? kJointStandard : kSingleStandard, index,
                                          kDeductionStep);
  const std::int64_t extra =
      IndexedFigure(kind == TaxReturn::Single ? kUnmarriedAged : kMarriedAged, index, kDeductionStep);
  return AddMoney(base, MulMoney(extra, aged));
}

std::int64_t SeniorDeduction(TaxReturn kind, std::int32_t year, int aged, std::int64_t agi) {
  // Married persons take it only on a joint return.
  if (year < kSeniorFirstYear || year > kSeniorLastYear || kind == TaxReturn::Separate || aged <= 0) return 0;
  const std::int64_t start = kind == TaxReturn::Joint ? kSeniorJointStart : kSeniorSingleStart;
  const std::int64_t each =
      PositivePart(RoundMoney(kSeniorDeduction - kSeniorPhaseOut * static_cast<long double>(PositivePart(agi - start))));
  return MulMoney(each, aged);
}

std::int64_t SaltCap(TaxReturn kind, std::int32_t year, std::int64_t agi) {
  const long double share = kind == TaxReturn::Separate ? 0.5L : 1.0L;
  const auto floor = static_cast<long double>(kSaltFloor) * share;
  if (year < kSaltFirstYear || year > kSaltLastYear) return RoundMoney(floor);
  const long double growth = std::pow(kSaltYearlyGrowth, static_cast<long double>(year - kSaltFirstYear));
  const long double cap = kSaltCap2025 * growth * share;
  const long double over = static_cast<long double>(agi) - kSaltThreshold2025 * growth * share;
  return RoundMoney(std::max(floor, over > 0.0L ? cap - kSaltPhaseOut * over : cap));
}

LawReturn LawFederalReturn(const LawReturnInput& in) {
  LawReturn r;
  // A net loss offsets ordinary income up to the limit; the rest carries on.
  const std::int64_t net = SubMoney(in.investReturn, in.lossCarried);
  if (net >= 0) {
    r.gains = net;
  } else {
    const std::int64_t limit = in.kind == TaxReturn::Separate ? kSeparateLossLimit : kLossLimit;
    // Saturating: a loss held at the 64-bit limit has no exact negation.
    const std::int64_t loss = SubMoney(0, net);
    r.lossDeducted = std::min(loss, limit);
    r.lossCarried = SubMoney(loss, r.lossDeducted);
  }
  r.otherIncome =
      SubMoney(SumMoney({in.wages, in.pensions, in.distributions, r.gains}), r.lossDeducted);
  r.taxableBenefits = TaxableBenefits(in.kind, r.otherIncome, in.benefits);
  r.agi = AddMoney(r.otherIncome, r.taxableBenefits);
  r.standard = StandardDeduction(in.kind, in.aged, in.index);
  r.senior = SeniorDeduction(in.kind, in.year, in.aged, r.agi);
  const std::int64_t over = SubMoney(r.agi, InvestmentIncomeStart(in.kind));
  r.investmentIncomeTax =
      RoundMoney(kInvestmentIncomeRate * static_cast<long double>(std::min(r.gains, PositivePart(over))));
  TaxAfterDeduction(r, in.kind, in.index, r.standard);
  // The state tax the itemized deductions count is the ratio applied to the
  // federal tax with the standard deduction: one pass, no fixed point.
  const std::int64_t stateTax = RoundMoney(in.stateRatio * static_cast<long double>(r.federal));
  r.salt = std::min(SaltCap(in.kind, in.year, r.agi), AddMoney(PositivePart(in.propertyTax), stateTax));
  r.itemized = AddMoney(PositivePart(in.mortgageInterest), r.salt);
  if (r.itemized > r.standard) {
    r.itemizes = true;
    TaxAfterDeduction(r, in.kind, in.index, r.itemized);
  }
  return r;
}

std::int64_t ElectiveDeferralLimit(std::int32_t age, long double index) {
  const std::int64_t limit = IndexedFigure(kDeferralLimit, index, kDeferralStep);
  if (age < 50) return limit;
  const bool late = age >= 60 && age <= 63;
  return AddMoney(limit, IndexedFigure(late ? kLateCatchUp : kCatchUp, index, kDeferralStep));
}

std::int64_t WageBaseAt(long double index) {
  if (index == 1.0L) return kWageBase;
  return MulMoney(RoundMoney(static_cast<long double>(kWageBase) * index / kWageBaseStep), kWageBaseStep);
}

std::int64_t SocialSecurityTaxUnder(std::int64_t wageBase, std::int64_t wages) {
  return RoundMoney(kSocialSecurityRate * static_cast<long double>(std::clamp<std::int64_t>(wages, 0, wageBase)));
}

std::int64_t AdditionalMedicareTax(TaxReturn kind, std::int64_t returnWages) {
  return RoundMoney(kAdditionalMedicareRate *
                    static_cast<long double>(PositivePart(SubMoney(returnWages, InvestmentIncomeStart(kind)))));
}
