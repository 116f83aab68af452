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
    "incomes forecast for those years, by the tax rules chosen above: the US federal law as it reads in 2026 "
    "(brackets, deductions, Social Security, gains, FICA and required distributions, indexed by the forecast's "
    "inflation), or the first design's curve fitted to 2005 rates. Future state and city income taxes are assumed "
    "to keep the same ratio to the federal income tax as the current taxes you enter on this page.";

inline constexpr const char* kTaxRulesLabel = "Tax rules for future years:";
inline constexpr const char* kTaxRulesLaw = "US federal law (2026)";
inline constexpr const char* kTaxRulesCurve = "The first design's curve";
inline constexpr const char* kTaxRulesLawHint =
    "Brackets by filing status, standard or itemized deductions, Social Security by provisional income, gains "
    "rates, FICA and required distributions as the law reads in 2026. A program setting for every plan.";
inline constexpr const char* kTaxRulesCurveHint =
    "The power curve fitted to 2005 rates that earlier versions used, so earlier forecasts can be reproduced. A "
    "program setting for every plan.";
// %1: the year, %2: the estimate.
inline constexpr const char* kLawEstimate = "The law's federal income tax for %1: %2";
inline constexpr const char* kUseEstimate = "Use &estimate";
inline constexpr const char* kStateRatioUnknown =
    "No federal income tax is entered, so the state and city taxes' ratio to it is unknown and taken as 0. In a "
    "state without income tax enter the federal tax and state 0.";

}  // namespace taxes_texts
