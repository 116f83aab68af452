#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "compare/ComparisonMetric.h"
#include "compare/PlanDiff.h"
#include "model/PlanRecord.h"

enum class AttributionMethod {
  // The changed inputs applied one at a time in plan file order; each part is
  // the step's effect.
  Sequential,
  // Each input's effect averaged over all orders (Shapley values): 2^n forecasts.
  Shapley,
};

// Shapley is the default up to this many changed inputs and allowed up to the
// second limit; beyond, the attribution is sequential and says so.
inline constexpr std::size_t kShapleyDefaultInputs = 10;
inline constexpr std::size_t kShapleyMostInputs = 16;

// How much of the change in the metric each changed input caused, in whole
// dollars. The parts plus `rounding` add up to `total` exactly; rounding is 0
// for the sequential method and the Shapley remainder of rounding each part.
struct Attribution {
  AttributionMethod method = AttributionMethod::Sequential;
  std::string note;  // why the method differs from the one asked for; empty otherwise
  std::int64_t base = 0;
  std::int64_t other = 0;
  std::int64_t total = 0;           // other - base
  std::vector<std::int64_t> parts;  // one per changed input, in their order
  std::int64_t rounding = 0;
  std::int64_t forecasts = 0;  // forecasts the attribution needed, base and other included
};

// `baseValue` and `otherValue` are the metric of the two plans, known to the
// caller; `asked` empty chooses the default.
Attribution Attribute(const PlanRecord& base, const PlanRecord& other, const std::vector<ChangedInput>& inputs,
                      const ComparisonMetric& metric, std::int64_t baseValue, std::int64_t otherValue,
                      std::optional<AttributionMethod> asked);
