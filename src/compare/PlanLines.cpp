#include "compare/PlanLines.h"

#include <charconv>
#include <cmath>
#include <stdexcept>
#include <type_traits>

namespace {

const PlanLineField& FieldAt(int line) { return PlanFieldLabels().at(static_cast<std::size_t>(line)).field; }

}  // namespace

int LineOf(PlanLineField field) {
  const auto& labels = PlanFieldLabels();
  for (std::size_t i = 0; i < labels.size(); ++i) {
    if (labels[i].field == field) return static_cast<int>(i);
  }
  throw std::logic_error("plan field without a plan file line");
}

bool SameValue(const PlanRecord& a, const PlanRecord& b, int line) {
  return std::visit(
      [&](auto member) {
        using Value = std::remove_cvref_t<decltype(a.*member)>;
        if constexpr (std::is_same_v<Value, long double>) {
          if (std::isnan(a.*member) && std::isnan(b.*member)) return true;
        }
        return a.*member == b.*member;
      },
      FieldAt(line));
}

void CopyValue(const PlanRecord& from, PlanRecord& to, int line) {
  std::visit([&](auto member) { to.*member = from.*member; }, FieldAt(line));
}

std::string ValueText(const PlanRecord& plan, int line) {
  return std::visit(
      [&](auto member) -> std::string {
        using Value = std::remove_cvref_t<decltype(plan.*member)>;
        if constexpr (std::is_same_v<Value, std::string>) {
          return plan.*member;
        } else if constexpr (std::is_same_v<Value, bool>) {
          return plan.*member ? "yes" : "no";
        } else if constexpr (std::is_same_v<Value, long double>) {
          // Shortest text that reads back to the same value, so two rates
          // that differ never print alike.
          char buffer[64];
          const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, plan.*member);
          return error == std::errc{} ? std::string(buffer, end) : "?";
        } else {
          return std::to_string(plan.*member);
        }
      },
      FieldAt(line));
}
