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
#include "engine/ClaimingAge.h"
#include "engine/Money.h"
#include "model/NumberFormat.h"
#include "model/PlanFieldLabels.h"
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

const PlanLineField& FieldOf(const Lever& lever) { return PlanFieldLabels()[static_cast<std::size_t>(lever.line)].field; }

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

const PlanFieldLabel& LabelOf(int line) { return PlanFieldLabels()[static_cast<std::size_t>(line)]; }

// What each kind of lever does, one row per kind in the order of LeverKind.
struct KindRules {
  const char* key;
  LeverGoal goal;
  const char* before;  // around a value in words: "age 62", "$52,300 a year"
  const char* after;
  LeverUnit (*unit)(const Lever&);
  LeverBounds (*bounds)(const Lever&, const PlanRecord&, std::int64_t value);
  std::int64_t (*value)(const Lever&, const PlanRecord&);
  void (*set)(const Lever&, const PlanRecord& base, PlanRecord& moved, std::int64_t value);
  std::string (*words)(const Lever&);
};

LeverUnit InDollars(const Lever&) { return LeverUnit::Dollars; }
LeverUnit InYears(const Lever&) { return LeverUnit::Years; }
LeverUnit FieldUnit(const Lever& lever) {
  if (std::holds_alternative<long double P::*>(FieldOf(lever))) return LeverUnit::Percent;
  if (std::holds_alternative<std::int32_t P::*>(FieldOf(lever)) || IsCalendarYear(lever.line)) return LeverUnit::Years;
  return LeverUnit::Dollars;
}

LeverBounds SpendingBounds(const Lever&, const PlanRecord&, std::int64_t value) {
  return {0, std::max<std::int64_t>(1'000'000'000, value)};
}
LeverBounds SavingsBounds(const Lever&, const PlanRecord& plan, std::int64_t value) {
  return {0, std::max({AddMoney(plan.Salary1, plan.Salary2), AddMoney(value, value), std::int64_t{1000}})};
}
LeverBounds RetireAgeBounds(const Lever& lever, const PlanRecord& plan, std::int64_t) {
  constexpr std::int64_t kLastAge = 90;
  const std::int64_t age1 = plan.Age1;
  const std::int64_t age2 = plan.Age2;
  if (lever.person == LeverPerson::Second) return {age2, std::max(age2, age2 + kLastAge - age1)};
  if (lever.person == LeverPerson::Both) {
    const std::int64_t apart = static_cast<std::int64_t>(plan.RetireAge2) - plan.RetireAge1;
    return {std::max(age1, age2 - apart), std::max(age1, kLastAge)};
  }
  return {age1, std::max(age1, kLastAge)};
}
// The first claiming age person p may still choose.
std::int64_t FirstClaimAge(const PlanRecord& plan, int p) {
  return std::max<std::int64_t>(kEarliestClaimAge, p == 1 ? plan.Age1 : plan.Age2);
}
LeverBounds ClaimAgeBounds(const Lever& lever, const PlanRecord& plan, std::int64_t) {
  std::int64_t low = FirstClaimAge(plan, lever.person == LeverPerson::Second ? 2 : 1);
  std::int64_t high = kLatestCreditAge;
  if (lever.person == LeverPerson::Both) {
    // The second person claims as many years after the first as in the plan.
    const std::int64_t apart = static_cast<std::int64_t>(plan.SocialSecurityAge2) - plan.SocialSecurityAge1;
    low = std::max(low, FirstClaimAge(plan, 2) - apart);
    high = std::min(high, kLatestCreditAge - apart);
  }
  return {low, std::max(low, high)};
}
LeverBounds FieldBounds(const Lever& lever, const PlanRecord&, std::int64_t value) {
  constexpr std::int64_t kYears = 30;
  switch (FieldUnit(lever)) {
    case LeverUnit::Dollars:
      return {std::min<std::int64_t>(0, value), std::max<std::int64_t>(1'000'000, value > 0 ? MulMoney(value, 10) : 0)};
    case LeverUnit::Years: {
      // A year or age below 0 means nothing, whatever a file holds.
      const std::int64_t low = std::max<std::int64_t>(0, SubMoney(value, kYears));
      return {low, std::max(AddMoney(value, kYears), low + kYears)};
    }
    case LeverUnit::Percent:
      break;
  }
  return {value - 1000, value + 1000};  // the value is held within 1e15 hundredths
}

std::int64_t SpendingValue(const Lever&, const PlanRecord& plan) { return SumOf(plan, SpendingEntries()); }
std::int64_t SavingsValue(const Lever&, const PlanRecord& plan) { return SumOf(plan, SavingsEntries()); }
// The two persons' ages a retirement or claiming lever moves.
std::pair<std::int32_t P::*, std::int32_t P::*> AgesOf(const Lever& lever) {
  if (lever.kind == LeverKind::ClaimAge) return {&P::SocialSecurityAge1, &P::SocialSecurityAge2};
  return {&P::RetireAge1, &P::RetireAge2};
}
std::int64_t PersonAgeValue(const Lever& lever, const PlanRecord& plan) {
  const auto [first, second] = AgesOf(lever);
  return lever.person == LeverPerson::Second ? plan.*second : plan.*first;
}

void SetSpending(const Lever&, const PlanRecord&, PlanRecord& moved, std::int64_t value) {
  ScaleEntries(moved, SpendingEntries(), value);
}
void SetSavings(const Lever&, const PlanRecord&, PlanRecord& moved, std::int64_t value) {
  ScaleEntries(moved, SavingsEntries(), value);
}
void SetPersonAge(const Lever& lever, const PlanRecord& base, PlanRecord& moved, std::int64_t value) {
  const auto age = [](std::int64_t years) {
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(years, 0, std::numeric_limits<std::int32_t>::max()));
  };
  const auto [first, second] = AgesOf(lever);
  if (lever.person == LeverPerson::Second) {
    moved.*second = age(value);
    return;
  }
  moved.*first = age(value);
  // Both keep the years between their ages.
  if (lever.person == LeverPerson::Both) moved.*second = age(value + base.*second - base.*first);
}
void SetFieldValue(const Lever& lever, const PlanRecord&, PlanRecord& moved, std::int64_t value) {
  SetField(lever, moved, value);
}

std::string SpendingWords(const Lever&) { return "yearly living expenses"; }
std::string SavingsWords(const Lever&) { return "yearly tax-deferred contributions"; }
std::string RetireAgeWords(const Lever& lever) {
  return lever.person == LeverPerson::Second ? "second person's retirement age"
         : lever.person == LeverPerson::Both ? "retirement ages (both, years apart kept)"
                                             : "first person's retirement age";
}
std::string ClaimAgeWords(const Lever& lever) {
  return lever.person == LeverPerson::Second ? "second person's Social Security claiming age"
         : lever.person == LeverPerson::Both ? "Social Security claiming ages (both, years apart kept)"
                                             : "first person's Social Security claiming age";
}
std::string FieldWords(const Lever& lever) {
  const PlanFieldLabel& label = LabelOf(lever.line);
  return Trimmed(label.words) + " (" + label.page + ")";
}

const KindRules& RulesOf(const Lever& lever) {
  static const KindRules rules[] = {
      {"spending", LeverGoal::Largest, "", " a year", InDollars, SpendingBounds, SpendingValue, SetSpending,
       SpendingWords},
      {"retire-age", LeverGoal::Smallest, "age ", "", InYears, RetireAgeBounds, PersonAgeValue, SetPersonAge,
       RetireAgeWords},
      {"savings", LeverGoal::Smallest, "", " a year", InDollars, SavingsBounds, SavingsValue, SetSavings,
       SavingsWords},
      {"field:", LeverGoal::Either, "", "", FieldUnit, FieldBounds, FieldValue, SetFieldValue, FieldWords},
      {"claim-age", LeverGoal::Either, "age ", "", InYears, ClaimAgeBounds, PersonAgeValue, SetPersonAge,
       ClaimAgeWords},
  };
  return rules[static_cast<std::size_t>(lever.kind)];
}

// The record names of a page total's entries: "Vacations, Restaurants, Hobbies and FunMisc".
std::string EntryNames(int totalLine) {
  std::string names;
  for (const StoredTotal& total : StoredTotals()) {
    if (total.line != totalLine) continue;
    for (std::size_t i = 0; i < total.entryLines.size(); ++i) {
      if (i > 0) names += i + 1 == total.entryLines.size() ? " and " : ", ";
      names += LabelOf(total.entryLines[i]).name;
    }
  }
  return names;
}

// A claiming age only matters under the claiming rules, which need the
// benefit at full retirement age; and it needs an age left to choose.
std::string ClaimAgeProblem(const Lever& lever, const PlanRecord& plan) {
  for (const int p : {1, 2}) {
    const bool moved = p == 1 ? lever.person != LeverPerson::Second : lever.person != LeverPerson::First;
    if (!moved) continue;
    const char* person = p == 1 ? "first" : "second";
    if (p == 2 && !plan.SecondPerson) return "the plan has no second person";
    if ((p == 1 ? plan.FullRetirementBenefit1 : plan.FullRetirementBenefit2) <= 0) {
      return std::string("the ") + person +
             " person has no Social Security at full retirement age (FullRetirementBenefit" + std::to_string(p) +
             ", Income Page): without it the typed benefit is paid from the typed starting age " +
             "and the claiming rules do not apply, so the claiming age has no answer to give";
    }
  }
  const LeverBounds bounds = ClaimAgeBounds(lever, plan, 0);
  if (bounds.min >= bounds.max) {
    return "the " + LeverWords(lever) + " has nothing left to choose: claiming ages run from " +
           std::to_string(kEarliestClaimAge) + " to " + std::to_string(kLatestCreditAge) +
           ", and only those not yet passed count";
  }
  return {};
}

}  // namespace

Lever SpendingLever() { return {}; }
Lever SavingsLever() { return {LeverKind::Savings}; }
Lever RetireAgeLever(LeverPerson person) { return {LeverKind::RetireAge, person}; }
Lever ClaimAgeLever(LeverPerson person) { return {LeverKind::ClaimAge, person}; }

std::optional<Lever> FieldLever(const std::string& name, std::string& problem) {
  for (const PlanFieldLabel& label : PlanFieldLabels()) {
    if (name != label.name) continue;
    const int line = LineOf(label.field);
    const FieldRole role = RoleOf(line);
    const bool number =
        !std::holds_alternative<std::string P::*>(label.field) && !std::holds_alternative<bool P::*>(label.field);
    const bool choice = line == LineOf(&P::HomeStatus) || line == LineOf(&P::FilingStatus);
    if (role == FieldRole::StoredTotal) {
      // Moving the total alone would move nothing: it follows its entries.
      problem = name + " is a page total that the forecast takes from its entries; move one of them instead: " +
                EntryNames(line);
      return std::nullopt;
    }
    if (!number || choice || role != FieldRole::Input) {
      problem = "the field " + name + " is not a number the forecast reads";
      return std::nullopt;
    }
    return Lever{LeverKind::Field, LeverPerson::First, line};
  }
  problem = "no plan field is named \"" + name + "\"";
  return std::nullopt;
}

std::string LeverKey(const Lever& lever) {
  const std::string key = RulesOf(lever).key;
  return lever.kind == LeverKind::Field ? key + LabelOf(lever.line).name : key;
}

std::string LeverProblem(const Lever& lever, const PlanRecord& plan) {
  if (lever.kind == LeverKind::Spending && SumOf(plan, SpendingEntries()) <= 0) {
    return "the plan has no living expenses to scale";
  }
  if (lever.kind == LeverKind::ClaimAge) return ClaimAgeProblem(lever, plan);
  return {};
}

LeverUnit UnitOf(const Lever& lever) { return RulesOf(lever).unit(lever); }

LeverGoal GoalOf(const Lever& lever) { return RulesOf(lever).goal; }

LeverBounds DefaultBounds(const Lever& lever, const PlanRecord& plan) {
  return RulesOf(lever).bounds(lever, plan, LeverValue(lever, plan));
}

std::int64_t LeverValue(const Lever& lever, const PlanRecord& plan) { return RulesOf(lever).value(lever, plan); }

PlanRecord WithLever(const Lever& lever, const PlanRecord& plan, std::int64_t value) {
  PlanRecord moved = plan;
  RulesOf(lever).set(lever, plan, moved, value);
  FollowStoredTotals(plan, moved);
  return moved;
}

std::string LeverValueText(const Lever& lever, std::int64_t value) {
  const KindRules& rules = RulesOf(lever);
  switch (UnitOf(lever)) {
    case LeverUnit::Dollars:
      return rules.before + FormatDollars(value) + rules.after;
    case LeverUnit::Years:
      return rules.before + std::to_string(value) + rules.after;
    case LeverUnit::Percent:
      break;
  }
  return LeverValueNumber(lever, value) + " %";
}

std::string LeverValueNumber(const Lever& lever, std::int64_t value) {
  if (UnitOf(lever) != LeverUnit::Percent) return std::to_string(value);
  const std::uint64_t magnitude = value < 0 ? 0 - static_cast<std::uint64_t>(value) : static_cast<std::uint64_t>(value);
  const std::string cents = std::to_string(100 + magnitude % 100).substr(1);
  return (value < 0 ? "-" : "") + std::to_string(magnitude / 100) + "." + cents;
}

std::string LeverWords(const Lever& lever) { return RulesOf(lever).words(lever); }

std::string LeverExplanation(const Lever& lever) {
  if (lever.kind == LeverKind::ClaimAge) {
    return "The Social Security starting age of the personal page, paid by the claiming rules from the benefit at "
           "full retirement age typed on the income page: less for each month before the full retirement age (70 % "
           "at 62 for those born 1960 or later), more for each month after it up to 70 (124 %). A later claim pays "
           "more a year for fewer years, so the bounds decide the way: when the target holds at 70 but not at 62 "
           "the answer is the earliest claiming age that meets it; in the other case the latest.";
  }
  if (lever.kind != LeverKind::Spending) return {};
  return "The yearly living expenses in today's dollars: the medical, communication, entertainment and food "
         "entries, the other annual amounts and the cars' and the home's running costs, scaled together. The "
         "forecast inflates them each year and, once retired, lowers all but medical, home insurance and utilities "
         "by the retirement reduction. "
         "The table's Expenses also hold income and property taxes, mortgage or rent, loan payments, cars bought, "
         "schooling and special events, which this lever leaves alone.";
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
