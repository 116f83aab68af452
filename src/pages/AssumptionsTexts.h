#pragma once

// Captions, messages and instructions of the assumptions page.
namespace assumptions_texts {

inline constexpr const char* kTitle = "Assumptions Page [ ";
inline constexpr const char* kDesignCaption = "Assumptions";
inline constexpr const char* kDataEntryError = "Data entry error please correct.";
inline constexpr const char* kYearTooEarly = "Calendar year can not be less than 2005.";
inline constexpr const char* kYearChanged =
    "You have changed the current year. This\r\nmay have affected the current ages on\r\nthe personal page. Would "
    "you like to revise\r\nthem now?";
inline constexpr const char* kDefaultHint = "Original Values";
inline constexpr const char* kDefaultQuestion =
    "Replace every rate on this page with its original value?\nThe rates you typed are lost.";

inline constexpr const char* kCurrentYear =
    "Current Calendar Year ....................................................";
inline constexpr const char* kInflation = "Expected Average Inflation Rate Percent ...................";
inline constexpr const char* kMortgageRate = "Home Mortgage Rate Percent ...........................................";
inline constexpr const char* kRealEstate = "Real Estate Projected REAL Growth Rate ....................";
inline constexpr const char* kTaxable = "Taxable Investment REAL Return ...................................";
inline constexpr const char* kTaxDeferred = "Tax Deferred Investment REAL Return ..........................";
inline constexpr const char* kSalary1 = "Salary #1 expected REAL Growth Rate .........................";
inline constexpr const char* kSalary2 = "Salary #2 expected REAL Growth Rate .........................";
inline constexpr const char* kPension1 = "Private Pension #1 expected COLA ..............................";
inline constexpr const char* kPension2 = "Private Pension #2 expected COLA ..............................";
inline constexpr const char* kPastYears = "Years before %1:";
inline constexpr const char* kPastRecorded = "recorded US inflation (built in)";
inline constexpr const char* kPastPlan = "this plan's inflation rate";
inline constexpr const char* kPastRecordedHint =
    "The years before the current year (the income tax adjustment from 2005, salaries and pensions entered at a "
    "past age) take the inflation the US recorded in them, 1928-2025; later years take this plan's rate. A program "
    "setting for every plan, not saved in the plan file.";
inline constexpr const char* kPastPlanHint =
    "The years before the current year take this plan's inflation rate, as earlier versions did. A program setting "
    "for every plan, not saved in the plan file.";
inline constexpr const char* kWithdrawalsHeading = "Withdrawals";
inline constexpr const char* kWithdrawalOrder = "Order of withdrawals";
inline constexpr const char* kFillBracket = "Fill the tax bracket up to";
inline constexpr const char* kFillInto = "Put what the filling draws into";
inline constexpr const char* kConvertAmount = "Convert to Roth each year, current dollars";
inline constexpr const char* kFillFromAge = "From age (blank/0 = program default)";
inline constexpr const char* kFillToAge = "To age (blank/0 = program default)";
inline constexpr const char* kReduction = "Retirement Expense Reduction Percent ........................";

inline constexpr const char* kInstructions =
    "INSTRUCTIONS\r\nRevise any or all of the program assumed rate and return values if you desire. All projected "
    "values are entered in percent."
    "\r\n\r\nCAUTION!\r\nThe rates and returns on this page are projections of an unknown future. Nobody can know "
    "them. The forecast is only as good as these assumptions, and you use it and the rates you choose at your own "
    "risk."
    "\r\n\r\nDEFAULT\r\nIf you change the assumptions you may reset them to the original values by clicking on the "
    "menu DEFAULT item above."
    "\r\n\r\nCALENDAR YEAR\r\nThe current calendar year is the first year of the forecast. It also sets the "
    "starting year of the income tax inflation adjustment. The program uses the 2004 federal income tax structure "
    "as its base and adjusts it for inflation from then on."
    "\r\n\r\nYEARS BEFORE THE CURRENT YEAR\r\nThe income tax adjustment from 2005 on, and salaries and pensions "
    "entered at an age already past, need the inflation of years that have already happened. By default they take "
    "the inflation the US recorded in those years (built into the program, 1928-2025); a year the record does not "
    "hold takes this plan's inflation rate. Choose \"this plan's inflation rate\" to give every past year the "
    "plan's rate, as earlier versions did. This choice is a program setting: it applies to every plan you open and "
    "is not saved in the plan file."
    "\r\n\r\nINFLATION AND REAL RETURN\r\nAll growth and return rates below the inflation rate are REAL rates. "
    "REAL means the percent above the base inflation rate. For example, a 5% yield when inflation is 3% is a 2% "
    "REAL return."
    "\r\n\r\nMORTGAGE and PROPERTY APPRECIATION\r\nThe mortgage rate is the rate of the home mortgage and of the "
    "loans the program estimates for you. The real estate growth rate is the REAL yearly growth of your home's "
    "market value."
    "\r\n\r\nINVESTMENTS\r\nEnter the REAL yearly return you expect from your taxable investments and from your "
    "tax deferred investments."
    "\r\n\r\nSALARY\r\nEnter the REAL yearly growth you expect for each salary. Negative rates are allowed. For "
    "example use (-0.35) to indicate that you expect your salary to fall behind by about 10% in the next 30 years."
    "\r\n\r\nPRIVATE PENSIONS\r\nEnter the cost of living adjustment (COLA) in percent per year that each private "
    "pension pays. Use 0 for a pension that stays the same."
    "\r\n\r\nSOCIAL SECURITY\r\nSocial Security benefits are assumed to follow inflation."
    "\r\n\r\nRETIREMENT EXPENSE REDUCTION\r\nMost people spend less after they retire. The reduction applies to "
    "your REAL discretionary expenses after retirement. It does not apply to utilities, insurance, medical "
    "expenses, taxes, rents, mortgage or debt payments."
    "\r\n\r\nWITHDRAWALS\r\nWhen a year's expenses are larger than its income, the accounts cover the "
    "shortfall in the order chosen: taxable savings, tax-deferred (traditional IRA and 401k) and Roth. Bracket "
    "filling draws each year from the tax-deferred balance up to the top of the chosen federal bracket, even "
    "without a shortfall, and puts it into taxable savings or converts it to Roth. A fixed "
    "yearly conversion, in current dollars, converts that sum to Roth instead. Both run between the two ages of "
    "the first person; blank or 0 takes the program's default ages: from the first person's retirement age to "
    "the year before required distributions begin. Bracket filling needs the law's brackets: under the first "
    "design's tax curve (Setup > Taxes) only a fixed conversion applies."
    "\r\n\r\nNUMBER FORMAT\r\nThis is the only page in the program that accepts decimal number entries. The "
    "\"current calender year\" should still be entered as a whole number but all other values may be entered in "
    "decimal format as percentages.";

}  // namespace assumptions_texts
