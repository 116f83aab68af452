#pragma once

#include <cstdint>

// A reproducible stream of random numbers, defined entirely here so a seed
// gives the same draws on every machine and library: xoshiro256** seeded
// through SplitMix64, one independent stream per (seed, trial), and normal
// deviates by Marsaglia's polar method.
class RandomStream {
 public:
  RandomStream(std::uint64_t seed, std::uint64_t trial);

  std::uint64_t NextBits();
  // Uniform in (0, 1): 53 random bits, never exactly 0 or 1.
  double Uniform();
  // Standard normal deviate.
  double Normal();

 private:
  std::uint64_t state_[4];
  double spare_ = 0.0;
  bool hasSpare_ = false;
};
