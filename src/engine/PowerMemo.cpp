#include "engine/PowerMemo.h"

#include <cmath>
#include <cstring>

namespace {

// The 80 bits of an x86 extended value: compared bit for bit, so that +0 and
// -0 (whose odd negative powers differ) never share a slot.
constexpr std::size_t kValueBytes = 10;

std::uint64_t HashOf(long double base, std::int64_t exponent) {
  std::uint64_t mantissa = 0;
  std::uint16_t top = 0;
  std::memcpy(&mantissa, &base, sizeof mantissa);
  std::memcpy(&top, reinterpret_cast<const unsigned char*>(&base) + sizeof mantissa, sizeof top);
  std::uint64_t h = mantissa ^ (static_cast<std::uint64_t>(top) << 48) ^ static_cast<std::uint64_t>(exponent);
  h *= 0x9E3779B97F4A7C15ULL;
  return h ^ (h >> 29);
}

}  // namespace

long double PowerMemo::Power(long double base, std::int64_t exponent) {
  // pow(x, 0) and pow(1, y) are 1 whatever the other operand is.
  if (exponent == 0 || base == 1.0L) return 1.0L;
  std::size_t slot = HashOf(base, exponent) % kSlots;
  for (std::size_t probe = 0; probe < kSlots; ++probe, slot = (slot + 1) % kSlots) {
    const bool used = (used_[slot / 64] >> (slot % 64)) & 1U;
    if (!used) {
      const long double value = std::pow(base, static_cast<long double>(exponent));
      slots_[slot] = {base, exponent, value};
      used_[slot / 64] |= std::uint64_t{1} << (slot % 64);
      return value;
    }
    const Slot& entry = slots_[slot];
    if (entry.exponent == exponent && std::memcmp(&entry.base, &base, kValueBytes) == 0) return entry.value;
  }
  return std::pow(base, static_cast<long double>(exponent));
}
