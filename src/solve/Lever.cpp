#include "solve/Lever.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <variant>
#include <vector>

#include "compare/ComparedFields.h"
#include "compare/PlanLines.h"
#include "compare/StoredTotalShift.h"
#include "engine/Money.h"
#include "model/NumberFormat.h"
#include "model/PlanFieldLabels.h"
#include "model/PlanFileLayout.h"
#include "solve/Apportion.h"

namespace {

using P = PlanRecord;
using Amount = std::int64_t PlanRecord::*;

// The living expenses the forecast inflates each year: the category entries
// behind the page totals, the automobile's running costs and the home's.
// Loan payments, mortgage, rent, taxes, cars bought, schooling and one-time
// events are not spending a household chooses year by year.
const std::vector<Amount>& SpendingEntries() {
  static const std::vector<Amount> entries = {
      &P::MedPremiums1, &P::MedCopays1,   &P::MedDrugs1,       &P::MedOther1,     &P::MedPremiums2,   &P::MedCopays2,
      &P::MedDrugs2,    &P::MedOther2,    &P::HomePhone,       &P::CellPhone,     &P::CableTv,        &P::InternetAccess,
      &P::ElectronicGear, &P::Software,   &P::CommMisc,        &P::Vacations,     &P::Restaurants,    &P::Hobbies,
      &P::FunMisc,      &P::GiftsFamily,  &P::GiftsFriends,    &P::GiftsCharity,  &P::GiftsMisc,      &P::Groceries,
      &P::DryCleaning,  &P::Clothes,      &P::Grooming,        &P::PocketCash,    &P::LifeInsurance,  &P::FoodMisc,
      &P::OtherAmount1, &P::OtherAmount2, &P::OtherAmount3,    &P::OtherAmount4,  &P::OtherAmount5,   &P::AutoMaintenance,
      &P::AutoInsurance, &P::AutoFuel,    &P::HomeInsurance,   &P::HomeUtilities, &P::HomeSupplies,   &P::HomeRepair,
      &P::HomeMisc};
  return entries;
}

const std::vector<Amount>& SavingsEntries() {
  static const std::vector<Amount> entries = {&P::DeferredContribution1, &P::DeferredContribution2};
  return entries;
}

std::int64_t SumOf(const PlanRecord& plan, const std::vector<Amount>& entries) {
  std::int64_t sum = 0;
  for (const Amount entry : entries) sum = AddMoney(sum, plan.*entry);
  return sum;
}

// Scales the entries together so they add up to `total` exactly.
void ScaleEntries(PlanRecord& plan, const std::vector<Amount>& entries, std::int64_t total) {
  std::vector<std::int64_t> parts;
  for (const Amount entry : entries) parts.push_back(plan.*entry);
  // With nothing to scale (no savings yet), the first entry takes it all.
  if (SumOf(plan, entries) <= 0) std::fill(parts.begin(), parts.end(), 0), parts.front() = 1;
  const std::vector<std::int64_t> shares = Apportion(parts, total);
  for (std::size_t i = 0; i < entries.size(); ++i) plan.*entries[i] = shares[i];
}

// A page total moves by what its entries moved, keeping any difference the
// plan already had from them, as the comparison treats it.
void FollowStoredTotals(const PlanRecord& base, PlanRecord& moved) {
  for (const StoredTotal& total : StoredTotals()) {
    PlanRecord baseScratch = base;
    PlanRecord movedScratch = moved;
    const std::uint64_t baseSum = EntrySum(baseScratch, total);
    const std::uint64_t movedSum = EntrySum(movedScratch, total);
    const auto member = TotalMember(total);
    moved.*member = MovedTotal(base.*member, baseSum, movedSum, 0);
  }
}

bool IsCalendarYear(int line) {
  for (std::int64_t P::*year : {&P::EventYear1, &P::EventYear2, &P::EventYear3, &P::EventYear4, &P::EventYear5}) {
    if (line == LineOf(year)) return true;
  }
  return false;
}

const PlanLineField& FieldOf(const Lever& lever) { return PlanFileLayout()[static_cast<std::size_t>(lever.line)]; }

std::int64_t FieldValue(const Lever& lever, const PlanRecord& plan) {
  const PlanLineField& field = FieldOf(lever);
  if (const auto* rate = std::get_if<long double P::*>(&field)) {
    const long double hundredths = std::nearbyint(plan.**rate * 100.0L);
    if (std::isnan(hundredths)) return 0;
    return static_cast<std::int64_t>(std::clamp(hundredths, -1e15L, 1e15L));
  }
  if (const auto* count = std::get_if<std::int32_t P::*>(&field)) return plan.**count;
  return plan.*std::get<std::int64_t P::*>(field);
}

void SetField(const Lever& lever, PlanRecord& plan, std::int64_t value) {
  const PlanLineField& field = FieldOf(lever);
  if (const auto* rate = std::get_if<long double P::*>(&field)) {
    plan.**rate = static_cast<long double>(value) / 100.0L;
  } else if (const auto* count = std::get_if<std::int32_t P::*>(&field)) {
    constexpr std::int64_t kLow = std::numeric_limits<std::int32_t>::min();
    constexpr std::int64_t kHigh = std::numeric_limits<std::int32_t>::max();
    plan.**count = static_cast<std::int32_t>(std::clamp(value, kLow, kHigh));
  } else {
    plan.*std::get<std::int64_t P::*>(field) = value;
  }
}

std::string Trimmed(std::string text) {
  while (!text.empty() && text.back() == ' ') text.pop_back();
  return text;
}

}  // namespace

std::optional<Lever> ParseLever(const std::string& text, const std::string& person, std::string& error) {
  Lever lever;
  lever.name = text;
  if (person != "1" && person != "2" && person != "both") {
    error = "--person takes 1, 2 or both";
    return std::nullopt;
  }
  if (text == "spending") return lever;
  if (text == "savings") {
    lever.kind = LeverKind::Savings;
    return lever;
  }
  if (text == "retire-age") {
    lever.kind = LeverKind::RetireAge;
    lever.person = person == "2" ? LeverPerson::Second : person == "both" ? LeverPerson::Both : LeverPerson::First;
    return lever;
  }
  if (text.starts_with("field:")) {
    const std::string name = text.substr(6);
    for (const PlanFieldLabel& label : PlanFieldLabels()) {
      if (name != label.name) continue;
      const int line = LineOf(label.field);
      const FieldRole role = RoleOf(line);
      const bool number = !std::holds_alternative<std::string P::*>(label.field) &&
                          !std::holds_alternative<bool P::*>(label.field);
      const bool choice = line == LineOf(&P::HomeStatus) || line == LineOf(&P::FilingStatus);
      if (!number || choice || (role != FieldRole::Input && role != FieldRole::StoredTotal)) {
        error = "the field " + name + " is not a number the forecast reads";
        return std::nullopt;
      }
      lever.kind = LeverKind::Field;
      lever.line = line;
      return lever;
    }
    error = "no plan field is named \"" + name + "\" (the names are those prevora-cli diff lists)";
    return std::nullopt;
  }
  error = "unknown lever \"" + text + "\" (spending, retire-age, savings or field:NAME)";
  return std::nullopt;
}

std::string LeverProblem(const Lever& lever, const PlanRecord& plan) {
  if (lever.kind == LeverKind::Spending && SumOf(plan, SpendingEntries()) <= 0) {
    return "the plan has no living expenses to scale";
  }
  return {};
}

LeverUnit UnitOf(const Lever& lever) {
  switch (lever.kind) {
    case LeverKind::RetireAge:
      return LeverUnit::Years;
    case LeverKind::Field:
      if (std::holds_alternative<long double P::*>(FieldOf(lever))) return LeverUnit::Percent;
      if (std::holds_alternative<std::int32_t P::*>(FieldOf(lever)) || IsCalendarYear(lever.line)) {
        return LeverUnit::Years;
      }
      return LeverUnit::Dollars;
    case LeverKind::Spending:
    case LeverKind::Savings:
      break;
  }
  return LeverUnit::Dollars;
}

LeverGoal GoalOf(const Lever& lever) {
  switch (lever.kind) {
    case LeverKind::Spending:
      return LeverGoal::Largest;
    case LeverKind::RetireAge:
    case LeverKind::Savings:
      return LeverGoal::Smallest;
    case LeverKind::Field:
      break;
  }
  return LeverGoal::Either;
}

LeverBounds DefaultBounds(const Lever& lever, const PlanRecord& plan) {
  constexpr std::int64_t kLastAge = 90;
  const std::int64_t value = LeverValue(lever, plan);
  switch (lever.kind) {
    case LeverKind::Spending:
      return {0, std::max<std::int64_t>(1'000'000'000, value)};
    case LeverKind::Savings:
      return {0, std::max({AddMoney(plan.Salary1, plan.Salary2), AddMoney(value, value), std::int64_t{1000}})};
    case LeverKind::RetireAge: {
      const std::int64_t age1 = plan.Age1;
      const std::int64_t age2 = plan.Age2;
      if (lever.person == LeverPerson::Second) return {age2, std::max(age2, age2 + kLastAge - age1)};
      if (lever.person == LeverPerson::Both) {
        const std::int64_t apart = static_cast<std::int64_t>(plan.RetireAge2) - plan.RetireAge1;
        return {std::max(age1, age2 - apart), std::max(age1, kLastAge)};
      }
      return {age1, std::max(age1, kLastAge)};
    }
    case LeverKind::Field:
      break;
  }
  switch (UnitOf(lever)) {
    case LeverUnit::Dollars:
      return {std::min<std::int64_t>(0, value), std::max<std::int64_t>(1'000'000, value > 0 ? value * 10 : 0)};
    case LeverUnit::Years:
      return {std::max<std::int64_t>(0, value - 30), value + 30};
    case LeverUnit::Percent:
      return {value - 1000, value + 1000};
  }
  return {value, value};
}

std::int64_t LeverValue(const Lever& lever, const PlanRecord& plan) {
  switch (lever.kind) {
    case LeverKind::Spending:
      return SumOf(plan, SpendingEntries());
    case LeverKind::Savings:
      return SumOf(plan, SavingsEntries());
    case LeverKind::RetireAge:
      return lever.person == LeverPerson::Second ? plan.RetireAge2 : plan.RetireAge1;
    case LeverKind::Field:
      break;
  }
  return FieldValue(lever, plan);
}

PlanRecord WithLever(const Lever& lever, const PlanRecord& plan, std::int64_t value) {
  PlanRecord moved = plan;
  const auto age = [](std::int64_t years) {
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(years, 0, std::numeric_limits<std::int32_t>::max()));
  };
  switch (lever.kind) {
    case LeverKind::Spending:
      ScaleEntries(moved, SpendingEntries(), value);
      break;
    case LeverKind::Savings:
      ScaleEntries(moved, SavingsEntries(), value);
      break;
    case LeverKind::RetireAge:
      if (lever.person == LeverPerson::Second) {
        moved.RetireAge2 = age(value);
      } else {
        moved.RetireAge1 = age(value);
        // Both keep the years between their retirements.
        if (lever.person == LeverPerson::Both) moved.RetireAge2 = age(value + plan.RetireAge2 - plan.RetireAge1);
      }
      break;
    case LeverKind::Field:
      SetField(lever, moved, value);
      break;
  }
  FollowStoredTotals(plan, moved);
  return moved;
}

std::string LeverValueText(const Lever& lever, std::int64_t value) {
  switch (UnitOf(lever)) {
    case LeverUnit::Dollars:
      return FormatDollars(value) + (lever.kind == LeverKind::Field ? "" : " a year");
    case LeverUnit::Years:
      return (lever.kind == LeverKind::RetireAge ? "age " : "") + std::to_string(value);
    case LeverUnit::Percent:
      return LeverValueNumber(lever, value) + " %";
  }
  return std::to_string(value);
}

std::string LeverValueNumber(const Lever& lever, std::int64_t value) {
  if (UnitOf(lever) != LeverUnit::Percent) return std::to_string(value);
  const std::uint64_t magnitude = value < 0 ? 0 - static_cast<std::uint64_t>(value) : static_cast<std::uint64_t>(value);
  const std::string cents = std::to_string(100 + magnitude % 100).substr(1);
  return (value < 0 ? "-" : "") + std::to_string(magnitude / 100) + "." + cents;
}

std::string LeverWords(const Lever& lever) {
  switch (lever.kind) {
    case LeverKind::Spending:
      return "yearly living expenses";
    case LeverKind::Savings:
      return "yearly tax-deferred contributions";
    case LeverKind::RetireAge:
      return lever.person == LeverPerson::Second ? "second person's retirement age"
             : lever.person == LeverPerson::Both ? "retirement ages (both, years apart kept)"
                                                 : "first person's retirement age";
    case LeverKind::Field:
      break;
  }
  const PlanFieldLabel& label = PlanFieldLabels()[static_cast<std::size_t>(lever.line)];
  return Trimmed(label.words) + " (" + label.page + ")";
}

std::optional<std::int64_t> ParseLeverValue(const Lever& lever, const std::string& text) {
  const long double scale = UnitOf(lever) == LeverUnit::Percent ? 100.0L : 1.0L;
  long double value = 0.0L;
  const char* end = text.data() + text.size();
  const auto [ptr, ec] = std::from_chars(text.data(), end, value);
  if (text.empty() || ec != std::errc() || ptr != end || !std::isfinite(value)) return std::nullopt;
  const long double scaled = value * scale;
  const long double whole = std::nearbyint(scaled);
  // "4.1" is not exact in binary: a hair off a whole step still names it.
  if (std::fabs(scaled - whole) > 1e-6L || std::fabs(whole) > 1e15L) return std::nullopt;
  return static_cast<std::int64_t>(whole);
}
