#include "engine/PowerMemo.h"

#include <cmath>
#include <cstring>

namespace {

// The 80 bits of an x86 extended value: compared bit for bit, so that +0 and
// -0 (whose odd negative powers differ) never share a row.
constexpr std::size_t kValueBytes = 10;

bool SameBits(const long double& a, const long double& b) { return std::memcmp(&a, &b, kValueBytes) == 0; }

}  // namespace

long double WholePower(long double base, std::int64_t exponent) {
  if (std::isfinite(base)) {
    if (exponent == 1) return base;
    if (exponent == 2) return base * base;
  }
  return std::pow(base, static_cast<long double>(exponent));
}

PowerMemo::Row* PowerMemo::RowOf(long double base) {
  // Factors ask for runs of powers of one base: the last row answers first.
  if (used_ > 0 && SameBits(rows_[last_].base, base)) return &rows_[last_];
  for (int i = 0; i < used_; ++i) {
    if (SameBits(rows_[i].base, base)) {
      last_ = i;
      return &rows_[i];
    }
  }
  if (used_ == kBases) return nullptr;
  last_ = used_++;
  Row& row = rows_[last_];
  row.base = base;
  row.known.fill(0);
  return &row;
}

long double PowerMemo::Power(long double base, std::int64_t exponent) {
  // pow(x, 0) and pow(1, y) are 1 whatever the other operand is.
  if (exponent == 0 || base == 1.0L) return 1.0L;
  if (exponent <= 2 || exponent > kLastExponent) return WholePower(base, exponent);
  Row* row = RowOf(base);
  if (row == nullptr) return WholePower(base, exponent);
  const auto i = static_cast<std::size_t>(exponent);
  std::uint64_t& word = row->known[i / 64];
  const std::uint64_t bit = std::uint64_t{1} << (i % 64);
  if ((word & bit) == 0) {
    row->values[i] = WholePower(base, exponent);
    word |= bit;
  }
  return row->values[i];
}
