#include "MathCallCount.h"

#include <set>
#include <utility>

extern "C" long double __real_powl(long double base, long double exponent);
extern "C" long double __real_nearbyintl(long double value);

namespace {

// Per thread, so the two-thread benchmarks share no counter.
thread_local bool counting = false;
thread_local MathCallCount counts;
thread_local std::set<std::pair<long double, long double>>* pairs = nullptr;

}  // namespace

extern "C" long double __wrap_powl(long double base, long double exponent) {
  if (counting) {
    ++counts.powl;
    pairs->emplace(base, exponent);
  }
  return __real_powl(base, exponent);
}

extern "C" long double __wrap_nearbyintl(long double value) {
  if (counting) ++counts.nearbyintl;
  return __real_nearbyintl(value);
}

void StartMathCallCount() {
  counts = MathCallCount{};
  delete pairs;
  pairs = new std::set<std::pair<long double, long double>>;
  counting = true;
}

MathCallCount StopMathCallCount() {
  counting = false;
  counts.distinctPowl = static_cast<std::int64_t>(pairs->size());
  delete pairs;
  pairs = nullptr;
  return counts;
}
