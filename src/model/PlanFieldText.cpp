#include "model/PlanFieldText.h"

#include <type_traits>

#include "model/PlanLineText.h"
#include "model/RateRange.h"
#include "model/ReadableText.h"

std::string QuotedFileText(const std::string& text) { return "'" + ReadableExcerpt(text) + "'"; }

std::string PlanFieldText(const PlanRecord& plan, const PlanLineField& field) {
  return std::visit(
      [&plan](auto member) -> std::string {
        using Value = std::remove_cvref_t<decltype(plan.*member)>;
        if constexpr (std::is_same_v<Value, std::string>) {
          return plan.*member;
        } else if constexpr (std::is_same_v<Value, bool>) {
          return plan.*member ? "2" : "1";
        } else if constexpr (std::is_same_v<Value, long double>) {
          return FormatRateLine(plan.*member);
        } else {
          return std::to_string(plan.*member);
        }
      },
      field);
}

std::string StorePlanField(PlanRecord& plan, const PlanLineField& field, const std::string& text) {
  const std::string integerError = QuotedFileText(text) + " is not a valid integer value";
  return std::visit(
      [&](auto member) -> std::string {
        using Value = std::remove_cvref_t<decltype(plan.*member)>;
        if constexpr (std::is_same_v<Value, std::string>) {
          plan.*member = text;
          return {};
        } else if constexpr (std::is_same_v<Value, bool>) {
          std::int32_t persons = 0;
          if (!ParseIntegerLine(text, persons)) return integerError;
          plan.*member = persons == 2;
          return {};
        } else if constexpr (std::is_same_v<Value, long double>) {
          long double rate = 0.0L;
          if (!ParseRateLine(text, rate)) return QuotedFileText(text) + " is not a valid floating point value";
          if (!RateInRange(rate)) return "The rate " + QuotedFileText(text) + " is not " + RateRangeText();
          plan.*member = rate;
          return {};
        } else {
          if (!ParseIntegerLine(text, plan.*member)) return integerError;
          return {};
        }
      },
      field);
}
