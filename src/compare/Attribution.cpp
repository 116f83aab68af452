#include "compare/Attribution.h"

#include <algorithm>
#include <bit>

#include "compare/Difference.h"
#include "compare/PlanMixer.h"

namespace {

// Shapley weights reach 15! times 2^15 differences of 64-bit figures: exact in
// 128 bits.
__extension__ typedef __int128 Wide;

constexpr std::int64_t kMax = 0x7fffffffffffffffLL;

std::int64_t Held(Wide value) {
  if (value > kMax) return kMax;
  if (value < -kMax) return -kMax;
  return static_cast<std::int64_t>(value);
}

// numerator / denominator (> 0) to the nearest whole number, halves to even
// like every money rounding of the program.
Wide RoundedQuotient(Wide numerator, Wide denominator) {
  Wide quotient = numerator / denominator;
  const Wide remainder = numerator % denominator;
  const Wide twice = 2 * (remainder < 0 ? -remainder : remainder);
  const int sign = numerator < 0 ? -1 : 1;
  if (twice > denominator || (twice == denominator && quotient % 2 != 0)) quotient += sign;
  return quotient;
}

Wide Factorial(std::size_t n) {
  Wide product = 1;
  for (std::size_t k = 2; k <= n; ++k) product *= static_cast<Wide>(k);
  return product;
}

void Sequential(const PlanMixer& mixer, const ComparisonMetric& metric, std::size_t n, Attribution& result) {
  std::vector<bool> taken(n, false);
  std::int64_t previous = result.base;
  for (std::size_t i = 0; i < n; ++i) {
    taken[i] = true;
    const std::int64_t value = i + 1 == n ? result.other : MetricOf(metric, mixer.Mix(taken));
    result.parts.push_back(Difference(previous, value));
    previous = value;
  }
  result.forecasts = std::max<std::int64_t>(static_cast<std::int64_t>(n) + 1, 2);
}

void Shapley(const PlanMixer& mixer, const ComparisonMetric& metric, std::size_t n, Attribution& result) {
  const std::size_t subsets = std::size_t{1} << n;
  std::vector<std::int64_t> values(subsets);
  std::vector<bool> taken(n);
  for (std::size_t mask = 0; mask < subsets; ++mask) {
    if (mask == 0) {
      values[mask] = result.base;
    } else if (mask == subsets - 1) {
      values[mask] = result.other;
    } else {
      for (std::size_t i = 0; i < n; ++i) taken[i] = (mask >> i) & 1U;
      values[mask] = MetricOf(metric, mixer.Mix(taken));
    }
  }
  // Weight of a subset of k other inputs: k! (n - 1 - k)! / n!.
  std::vector<Wide> weights(n);
  for (std::size_t k = 0; k < n; ++k) weights[k] = Factorial(k) * Factorial(n - 1 - k);
  const Wide denominator = Factorial(n);
  for (std::size_t i = 0; i < n; ++i) {
    const std::size_t bit = std::size_t{1} << i;
    Wide numerator = 0;
    for (std::size_t mask = 0; mask < subsets; ++mask) {
      if (mask & bit) continue;
      const Wide step = static_cast<Wide>(values[mask | bit]) - static_cast<Wide>(values[mask]);
      numerator += weights[static_cast<std::size_t>(std::popcount(mask))] * step;
    }
    result.parts.push_back(Held(RoundedQuotient(numerator, denominator)));
  }
  result.forecasts = std::max<std::int64_t>(static_cast<std::int64_t>(subsets), 2);
}

}  // namespace

Attribution Attribute(const PlanRecord& base, const PlanRecord& other, const std::vector<ChangedInput>& inputs,
                      const ComparisonMetric& metric, std::int64_t baseValue, std::int64_t otherValue,
                      std::optional<AttributionMethod> asked) {
  Attribution result;
  result.base = baseValue;
  result.other = otherValue;
  result.total = Difference(baseValue, otherValue);
  const std::size_t n = inputs.size();
  const std::size_t limit = asked ? kShapleyMostInputs : kShapleyDefaultInputs;
  result.method = asked.value_or(AttributionMethod::Shapley);
  if (result.method == AttributionMethod::Shapley && n > limit) {
    result.method = AttributionMethod::Sequential;
    result.note = std::to_string(n) + " changed inputs: Shapley takes at most " + std::to_string(limit) +
                  ", so the inputs are applied one at a time in plan file order";
  }
  const PlanMixer mixer(base, other, inputs);
  if (result.method == AttributionMethod::Shapley) {
    Shapley(mixer, metric, n, result);
  } else {
    Sequential(mixer, metric, n, result);
  }
  Wide sum = 0;
  for (std::int64_t part : result.parts) sum += part;
  result.rounding = Held(static_cast<Wide>(result.total) - sum);
  return result;
}
