#include "cli/SolveWords.h"

#include <cstdint>

#include "cli/WholeNumber.h"

std::optional<Lever> ParseLever(const std::string& text, const std::string& person, std::string& error) {
  if (person != "1" && person != "2" && person != "both") {
    error = "--person takes 1, 2 or both";
    return std::nullopt;
  }
  if (text == "spending") return SpendingLever();
  if (text == "savings") return SavingsLever();
  const LeverPerson who = person == "2"      ? LeverPerson::Second
                          : person == "both" ? LeverPerson::Both
                                             : LeverPerson::First;
  if (text == "retire-age") return RetireAgeLever(who);
  if (text == "claim-age") return ClaimAgeLever(who);
  if (text.starts_with("field:")) {
    std::optional<Lever> lever = FieldLever(text.substr(6), error);
    if (!lever) error = "--lever " + text + ": " + error + " (the names are those prevora-cli diff lists)";
    return lever;
  }
  error = "unknown lever \"" + text + "\" (spending, retire-age, claim-age, savings or field:NAME)";
  return std::nullopt;
}

std::optional<Target> ParseTarget(const std::string& text, std::string& error) {
  if (text == "never-borrow") return Target{};
  if (text == "never-new-debt") return Target{TargetKind::NeverNewDebt};
  if (text.starts_with("net-worth:")) {
    const std::string rest = text.substr(10);
    const std::size_t colon = rest.find(':');
    const std::optional<std::int64_t> age = ParseWhole<std::int64_t>(rest.substr(0, colon));
    const std::optional<std::int64_t> amount =
        colon == std::string::npos ? std::nullopt : ParseWhole<std::int64_t>(rest.substr(colon + 1));
    if (age && amount && *age >= 0 && *age <= 200) return Target{TargetKind::NetWorthAt, *age, *amount};
    error = "net-worth takes AGE:AMOUNT, whole numbers (net-worth:65:1000000)";
    return std::nullopt;
  }
  error = "unknown target \"" + text + "\" (never-borrow, never-new-debt or net-worth:AGE:AMOUNT)";
  return std::nullopt;
}
