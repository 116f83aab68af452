#pragma once

#include <array>
#include <cstdint>

// std::pow of long double bases and whole exponents, each distinct pair
// computed once: a run asks for the same powers from several factors (the
// inflation index, the tax index, two persons growing at the same rate).
// Holds at most kSlots pairs; past that it still answers, without remembering.
class PowerMemo {
 public:
  long double Power(long double base, std::int64_t exponent);

 private:
  static constexpr std::size_t kSlots = 256;
  struct Slot {
    long double base;
    std::int64_t exponent;
    long double value;
  };
  std::array<Slot, kSlots> slots_;  // read only where used_ says so
  std::array<std::uint64_t, kSlots / 64> used_{};
};
