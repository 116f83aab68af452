#pragma once

// Captions, messages and instructions of the taxes page.
namespace taxes_texts {

inline constexpr const char* kTitle = "FICA Income Tax Page [ ";
inline constexpr const char* kDesignCaption = "FICA and Income Taxes";

inline constexpr const char* kFilingStatusGroup = "Federal Income Tax Filing Status";
inline constexpr const char* kOneSinglePerson = "One Single Person";
inline constexpr const char* kMarriedJointly = "Married Filing Jointly";
inline constexpr const char* kTwoSinglePersons = "Two Single Persons";
inline constexpr const char* kMarriedSeparately = "Married Filing Separately";

inline constexpr const char* kFederalTax = "Current Federal Income Tax ..................................";
inline constexpr const char* kStateTax = "Current State and City Income Tax ......................";
inline constexpr const char* kSocialSecurityTax = "Annual Social Security Tax .................................";
inline constexpr const char* kMedicareTax = "Annual Medicare Tax ...........................................";
// A label shows "&" as it is; the doubled form belongs to buttons and menus.
inline constexpr const char* kTotal = "Total Annual  FICA & Income Taxes .......................";

inline constexpr const char* kInstructions =
    "INSTRUCTIONS\r\nUse this page to enter income tax information. The program automatically enters FICA taxes "
    "using data from the income page. Select your federal income tax filing status at the top of the page. A plan "
    "for one person files as One Single Person. A plan for two persons may choose Married Filing Jointly, Two "
    "Single Persons or Married Filing Separately."
    "\r\n\r\nINCOME TAX\r\nEnter your current annual Federal, State and City income taxes paid. If you file "
    "separately or as two single persons enter values for both. If you file jointly then enter values under first "
    "persons name."
    "\r\n\r\nFUTURE YEAR INCOME TAXES\r\nThe program estimates the federal income taxes of future years from the "
    "incomes forecast for those years. It uses the 2004 federal income tax structure with the index and limit "
    "adjustments for inflation. Future state and city income taxes are assumed to keep the same ratio to the "
    "federal income tax as the current taxes you enter on this page.";

}  // namespace taxes_texts
