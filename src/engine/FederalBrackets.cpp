#include "engine/FederalBrackets.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "engine/Money.h"
#include "model/NumberFormat.h"

using namespace taxlaw;

namespace {

const std::array<std::int64_t, kBrackets - 1>& OrdinaryStarts(TaxReturn kind) {
  if (kind == TaxReturn::Joint) return kJointStarts;
  return kind == TaxReturn::Separate ? kSeparateStarts : kSingleStarts;
}

const std::array<std::int64_t, 2>& GainsStarts(TaxReturn kind) {
  if (kind == TaxReturn::Joint) return kJointGains;
  return kind == TaxReturn::Separate ? kSeparateGains : kSingleGains;
}

void AddSlice(BracketWalk& walk, std::int64_t amount, long double rate) {
  if (amount <= 0) return;
  walk.slices[static_cast<std::size_t>(walk.count++)] = {amount, rate};
  walk.exact += rate * static_cast<long double>(amount);
}

// The part of [from, from + amount) in each band of `starts`, bands taxed at `rates`.
template <std::size_t N>
BracketWalk Walk(std::int64_t from, std::int64_t amount, const std::array<std::int64_t, N>& starts,
                 const std::array<long double, N + 1>& rates, long double index) {
  BracketWalk walk;
  const std::int64_t to = AddMoney(from, std::max<std::int64_t>(amount, 0));
  std::int64_t bandStart = 0;
  for (std::size_t i = 0; i <= N; ++i) {
    const std::int64_t bandEnd =
        i < N ? IndexedFigure(starts[i], index, kBracketStep) : std::numeric_limits<std::int64_t>::max();
    AddSlice(walk, std::min(to, bandEnd) - std::max(from, bandStart), rates[i]);
    bandStart = bandEnd;
    if (bandStart >= to) break;
  }
  walk.tax = RoundMoney(walk.exact);
  return walk;
}

}  // namespace

std::int64_t IndexedFigure(std::int64_t figure2026, long double index, std::int64_t step) {
  if (index == 1.0L) return figure2026;
  const long double growth = static_cast<long double>(figure2026) * (index - 1.0L) / static_cast<long double>(step);
  return AddMoney(figure2026, MulMoney(RoundMoney(std::floor(growth)), step));
}

BracketWalk OrdinaryTaxWalk(TaxReturn kind, std::int64_t ordinary, long double index) {
  return Walk(0, ordinary, OrdinaryStarts(kind), kOrdinaryRates, index);
}

std::int64_t OrdinaryBracketTop(TaxReturn kind, std::int32_t percent, long double index) {
  const auto& starts = OrdinaryStarts(kind);
  for (std::size_t i = 0; i < starts.size(); ++i) {
    if (std::lround(kOrdinaryRates[i] * 100.0L) == percent) return IndexedFigure(starts[i], index, kBracketStep);
  }
  return 0;
}

long double NextDollarRate(TaxReturn kind, std::int64_t taxable, std::int64_t ordinary, long double index) {
  if (taxable <= 0) return 0.0L;
  const auto& starts = OrdinaryStarts(kind);
  std::size_t band = 0;
  while (band < starts.size() && std::max<std::int64_t>(ordinary, 0) >= IndexedFigure(starts[band], index, kBracketStep))
    ++band;
  return kOrdinaryRates[band];
}

BracketWalk GainsTaxWalk(TaxReturn kind, std::int64_t ordinary, std::int64_t gains, long double index) {
  return Walk(std::max<std::int64_t>(ordinary, 0), gains, GainsStarts(kind), kGainsRates, index);
}

std::string BracketWalkText(const BracketWalk& walk) {
  if (walk.count == 0) return FormatDollars(0);
  std::string text;
  for (int i = 0; i < walk.count; ++i) {
    const TaxSlice& slice = walk.slices[static_cast<std::size_t>(i)];
    if (i > 0) text += " + ";
    const long double tenths = std::round(slice.rate * 1000.0L);
    text += FormatDollars(slice.amount) + " at " + FormatDecimal(tenths / 10.0L, std::fmod(tenths, 10.0L) == 0 ? 0 : 1) +
            " %";
  }
  return text + " = " + FormatDollars(walk.tax);
}
