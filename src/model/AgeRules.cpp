#include "model/AgeRules.h"

#include <array>

namespace {

constexpr std::int32_t kYoungestAge = 15;
constexpr std::int32_t kLastForecastAge = 90;
constexpr std::int32_t kAgeForLateStarts = 65;
constexpr std::int32_t kFirstSocialSecurityAge = 62;
constexpr std::int32_t kLastSocialSecurityAge = 70;

struct PersonAges {
  std::int32_t PlanRecord::*age;
  std::int32_t PlanRecord::*employment;
  std::int32_t PlanRecord::*retire;
  std::int32_t PlanRecord::*pension;
  std::int32_t PlanRecord::*socialSecurity;
};

constexpr std::array<PersonAges, 2> kPersons = {{
    {&PlanRecord::Age1, &PlanRecord::EmploymentStartAge1, &PlanRecord::RetireAge1, &PlanRecord::PensionAge1,
     &PlanRecord::SocialSecurityAge1},
    {&PlanRecord::Age2, &PlanRecord::EmploymentStartAge2, &PlanRecord::RetireAge2, &PlanRecord::PensionAge2,
     &PlanRecord::SocialSecurityAge2},
}};

std::string PersonName(int person) { return person == 1 ? "First person" : "Second person"; }

std::string AgeName(std::int32_t PlanRecord::*field) {
  for (const PersonAges& ages : kPersons) {
    if (field == ages.age) return "current age";
    if (field == ages.employment) return "employment start age";
    if (field == ages.retire) return "retirement age";
    if (field == ages.pension) return "private pension starting age";
    if (field == ages.socialSecurity) return "Social Security starting age";
  }
  return "age";
}

void AddPersonChanges(const PlanRecord& plan, int person, std::vector<AgeChange>& changes) {
  const PersonAges& ages = kPersons[static_cast<std::size_t>(person - 1)];
  std::int32_t age = plan.*ages.age;
  if (age < kYoungestAge) {
    changes.push_back({person, ages.age, age, kYoungestAge, "because the youngest current age is 15"});
    age = kYoungestAge;
  } else if (person == 1 && age > kLastForecastAge) {
    changes.push_back({person, ages.age, age, kLastForecastAge, "because the forecast ends at age 90"});
    age = kLastForecastAge;
  }
  const std::string before = "because it is before the current age " + std::to_string(age);
  // Order of the page's reading: retirement, Social Security, pension.
  for (std::int32_t PlanRecord::*start : {ages.retire, ages.socialSecurity, ages.pension}) {
    const std::int32_t value = plan.*start;
    // Past 65 an age of 65 stays: moving it again would change nothing.
    if (value != 0 && value < age && value != kAgeForLateStarts)
      changes.push_back({person, start, value, kAgeForLateStarts, before});
  }
  const std::int32_t employment = plan.*ages.employment;
  if (employment != 0 && employment < age) changes.push_back({person, ages.employment, employment, age, before});
}

void AddPersonWarnings(const PlanRecord& plan, int person, std::vector<std::string>& warnings) {
  const PersonAges& ages = kPersons[static_cast<std::size_t>(person - 1)];
  const std::string who = PersonName(person) + ": ";
  const std::int32_t age = plan.*ages.age;
  const std::int32_t employment = plan.*ages.employment;
  const std::int32_t retire = plan.*ages.retire;
  const std::int32_t pension = plan.*ages.pension;
  const std::int32_t socialSecurity = plan.*ages.socialSecurity;
  if (employment != 0 && retire != 0 && employment > retire) {
    warnings.push_back(who + "employment starts at " + std::to_string(employment) + ", after retirement at " +
                       std::to_string(retire) + ".");
  }
  if (pension != 0 && pension < age) {
    warnings.push_back(who + "the private pension starts at " + std::to_string(pension) + ", before the current age " +
                       std::to_string(age) + ".");
  }
  if (socialSecurity == 0) return;
  if (socialSecurity < age) {
    warnings.push_back(who + "Social Security starts at " + std::to_string(socialSecurity) +
                       ", before the current age " + std::to_string(age) + ".");
  } else if (socialSecurity < kFirstSocialSecurityAge ||
             (socialSecurity > kLastSocialSecurityAge && socialSecurity != age)) {
    // The current age itself stands for benefits already paid, at any age.
    warnings.push_back(who + "Social Security starts at " + std::to_string(socialSecurity) +
                       ", outside the ages 62 to 70 it can start at.");
  }
}

}  // namespace

std::vector<AgeChange> AgeAdjustments(const PlanRecord& plan) {
  std::vector<AgeChange> changes;
  AddPersonChanges(plan, 1, changes);
  AddPersonChanges(plan, 2, changes);
  return changes;
}

void ApplyAgeChanges(PlanRecord& plan, const std::vector<AgeChange>& changes) {
  for (const AgeChange& change : changes) plan.*change.field = change.to;
}

std::vector<std::string> AgeWarnings(const PlanRecord& plan) {
  std::vector<std::string> warnings;
  AddPersonWarnings(plan, 1, warnings);
  if (plan.SecondPerson) AddPersonWarnings(plan, 2, warnings);
  return warnings;
}

std::string DescribeAgeChange(const AgeChange& change) {
  return PersonName(change.person) + ": " + AgeName(change.field) + " " + std::to_string(change.from) + " \u2192 " +
         std::to_string(change.to) + ", " + change.why + ".";
}

std::string AgeNoticeText(const std::vector<AgeChange>& changes, const std::vector<std::string>& warnings) {
  std::string text;
  if (!changes.empty()) {
    text += "Leaving this page changes these ages:\n";
    for (const AgeChange& change : changes) text += "  " + DescribeAgeChange(change) + "\n";
    text += "\n";
  }
  if (!warnings.empty()) {
    text += "Please check these ages:\n";
    for (const std::string& warning : warnings) text += "  " + warning + "\n";
    text += "\n";
  }
  text += changes.empty() ? "Leave the page with these ages?" : "Accept the changes and leave the page?";
  text += "\nNo keeps you on the page to correct them.";
  return text;
}
