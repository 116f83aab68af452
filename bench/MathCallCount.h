#pragma once

#include <cstdint>

// Counts of the engine's calls of powl and nearbyintl on the calling thread.
// The benchmark links with --wrap for both, so every call made by the current
// and the kept engine passes through the counting wrappers.
struct MathCallCount {
  std::int64_t powl = 0;
  std::int64_t distinctPowl = 0;  // distinct (base, exponent) pairs
  std::int64_t nearbyintl = 0;
};

// Counts the calls `work` makes on this thread.
template <typename Work>
MathCallCount CountMathCalls(Work work);

void StartMathCallCount();
MathCallCount StopMathCallCount();

template <typename Work>
MathCallCount CountMathCalls(Work work) {
  StartMathCallCount();
  work();
  return StopMathCallCount();
}
