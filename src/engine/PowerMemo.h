#pragma once

#include <array>
#include <cstdint>

// std::pow(base, exponent) with the library call saved where the answer is
// known to be the same bits: the first two powers of a finite base are exact
// or one rounding, as the library's powl computes them too.
long double WholePower(long double base, std::int64_t exponent);

// std::pow of long double bases and whole exponents, each distinct pair
// computed once: a run asks for the same powers from several factors (the
// inflation index, the tax index, two persons growing at the same rate).
// A run has few distinct bases, each raised to a run of consecutive
// exponents, so powers are kept in one row per base. Bases beyond kBases and
// exponents outside 0..kLastExponent are answered without being remembered.
class PowerMemo {
 public:
  long double Power(long double base, std::int64_t exponent);

 private:
  static constexpr int kBases = 8;
  static constexpr std::int64_t kLastExponent = 191;
  struct Row {
    long double base;
    std::array<long double, kLastExponent + 1> values;  // read only where known says so
    std::array<std::uint64_t, (kLastExponent + 64) / 64> known;
  };
  std::array<Row, kBases> rows_;  // the first `used_` are in use
  int used_ = 0;
  int last_ = 0;  // the row the last power came from

  Row* RowOf(long double base);
};
