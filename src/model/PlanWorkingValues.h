#pragma once

#include <array>
#include <cstdint>
#include <string>

// Texts the home status page shows for a fresh plan: home value, real estate
// taxes, mortgage balance, mortgage years, years to move, purchase price, new
// mortgage, new real estate taxes, rent.
inline const std::array<std::string, 9> kHomeEditResetTexts = {"$0", "$0", "$0", "0", "1",
                                                               "$0", "$0", "$0", "$0"};

// Values that live beside the plan record but are not stored in the plan file.
struct PlanWorkingValues {
  std::string PlanFolder;          // the program's folder, with a trailing separator
  std::int32_t PreviousYear = 2005;  // CurrentYear as the assumptions page last showed it
  std::array<std::string, 9> HomeEditTexts = kHomeEditResetTexts;
};

// What a fresh plan (New, or a plan read from disk) resets: the home texts only;
// the folder and the remembered year survive.
void ResetWorkingValues(PlanWorkingValues& values);
