#include "compare/StoredTotalShift.h"

#include <stdexcept>
#include <variant>

#include "model/PlanFileLayout.h"

namespace {

std::uint64_t Wrapped(std::int64_t value) { return static_cast<std::uint64_t>(value); }

std::uint64_t EntrySumOfCopy(const PlanRecord& plan, const StoredTotal& total) {
  PlanRecord scratch = plan;
  return EntrySum(scratch, total);
}

}  // namespace

std::uint64_t EntrySum(PlanRecord& scratch, const StoredTotal& total) { return Wrapped(total.recompute(scratch)); }

std::int64_t PlanRecord::*TotalMember(const StoredTotal& total) {
  return std::get<std::int64_t PlanRecord::*>(PlanFileLayout()[static_cast<std::size_t>(total.line)]);
}

std::uint64_t OwnShift(const PlanRecord& base, const PlanRecord& other, const StoredTotal& total) {
  const auto member = TotalMember(total);
  return Wrapped(other.*member) - Wrapped(base.*member) - (EntrySumOfCopy(other, total) - EntrySumOfCopy(base, total));
}

bool HasOwnShift(const PlanRecord& base, const PlanRecord& other, int totalLine) {
  for (const StoredTotal& total : StoredTotals()) {
    if (total.line == totalLine) return OwnShift(base, other, total) != 0;
  }
  throw std::logic_error("not a stored total");
}

std::int64_t MovedTotal(std::int64_t baseTotal, std::uint64_t baseSum, std::uint64_t mixedSum,
                        std::uint64_t shiftTaken) {
  return static_cast<std::int64_t>(Wrapped(baseTotal) + (mixedSum - baseSum) + shiftTaken);
}
