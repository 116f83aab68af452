#pragma once

#include <optional>
#include <string>

#include "solve/Lever.h"
#include "solve/Target.h"

// The command line's words for levers and targets.

// "spending", "retire-age", "claim-age", "savings" or "field:NAME" with NAME a
// record name as diff lists it; `person` (--person) is 1, 2 or "both" and only
// retire-age and claim-age read it. Nothing, with the reason in `error`, for anything else.
std::optional<Lever> ParseLever(const std::string& text, const std::string& person, std::string& error);

// "never-borrow", "never-new-debt" or "net-worth:AGE:AMOUNT".
std::optional<Target> ParseTarget(const std::string& text, std::string& error);
