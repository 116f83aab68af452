#include "odds/RandomStream.h"

#include <cmath>

namespace {

constexpr std::uint64_t kGoldenGamma = 0x9E3779B97F4A7C15ULL;
// Keeps trial 0 of seed s apart from the stream seeded with s alone.
constexpr std::uint64_t kTrialSalt = 0xD1B54A32D192ED03ULL;

std::uint64_t Mix64(std::uint64_t z) {
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
  return z ^ (z >> 31);
}

std::uint64_t SplitMix64(std::uint64_t& state) {
  state += kGoldenGamma;
  return Mix64(state);
}

std::uint64_t RotateLeft(std::uint64_t x, int k) { return (x << k) | (x >> (64 - k)); }

}  // namespace

RandomStream::RandomStream(std::uint64_t seed, std::uint64_t trial) {
  // The trial's key depends on the seed and the trial number only, so any
  // trial can be drawn alone, on any thread, in any order.
  std::uint64_t key = Mix64(seed ^ Mix64(trial + kTrialSalt));
  for (std::uint64_t& word : state_) word = SplitMix64(key);
  // SplitMix64 never yields four zero words from one key in a row, but the
  // all-zero state would stall the generator, so rule it out plainly.
  if ((state_[0] | state_[1] | state_[2] | state_[3]) == 0) state_[0] = kGoldenGamma;
}

std::uint64_t RandomStream::NextBits() {
  const std::uint64_t result = RotateLeft(state_[1] * 5, 7) * 9;
  const std::uint64_t t = state_[1] << 17;
  state_[2] ^= state_[0];
  state_[3] ^= state_[1];
  state_[1] ^= state_[2];
  state_[0] ^= state_[3];
  state_[2] ^= t;
  state_[3] = RotateLeft(state_[3], 45);
  return result;
}

double RandomStream::Uniform() {
  // The upper 53 bits, shifted half a step off zero.
  return (static_cast<double>(NextBits() >> 11) + 0.5) * 0x1.0p-53;
}

double RandomStream::Normal() {
  if (hasSpare_) {
    hasSpare_ = false;
    return spare_;
  }
  double u = 0.0;
  double v = 0.0;
  double s = 0.0;
  do {
    u = 2.0 * Uniform() - 1.0;
    v = 2.0 * Uniform() - 1.0;
    s = u * u + v * v;
  } while (s >= 1.0 || s == 0.0);
  const double scale = std::sqrt(-2.0 * std::log(s) / s);
  spare_ = v * scale;
  hasSpare_ = true;
  return u * scale;
}
