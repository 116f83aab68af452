#pragma once

// Captions, messages and instructions of the expense summary page.
namespace expense_summary_texts {

inline constexpr const char* kTitle = "Expense Summary Page [ ";
inline constexpr const char* kDesignCaption = "Expense Summary Page";
inline constexpr const char* kDataEntryError = "Data entry error please correct.";
inline constexpr const char* kCategoryHint = "Click to Enter Detailed Expenses";
inline constexpr const char* kTotal = "Total Annual Expenses for this year";

inline constexpr const char* kDebtExplanation =
    "The debt expense is taken\r\nfrom the assets page. If you\r\nwish to revise it click on\r\nthe Setup menu item "
    "and \r\nthen select Assets page.";
inline constexpr const char* kTaxExplanation =
    "The FICA and income tax expenses \r\nare taken from the taxes page and\r\ncalculations using the income "
    "page.\r\nIf wish to revise them click on \r\nthe Setup menu item and then\r\nselect the desired page.";

inline constexpr const char* kInstructions =
    "INSTRUCTIONS\r\nThis is the annual expense summary page. Enter data by clicking the individual expense item "
    "buttons. The expense data becomes part of a financial plan that can be saved in a plan file. The program math "
    "model uses the plan to forecast annual cash flow and future net worth. \r\n\r\nThe first eight buttons open "
    "detailed entry pages. The summary values shown are for this year. Projected future expenses are displayed on "
    "the plan page. The last two items transfer data automatically from other pages. See the instructions below "
    "on debt and tax expense.\r\n\r\nDATA ENTRY\r\nClick each item button to open its detailed data entry list. "
    "Automobile and education expenses require extra care in data entry see the instructions below and on their "
    "data entry pages.\r\n\r\nAUTOMOBILE AND EDUCATION\r\nThe automobile and education expense items are forward "
    "looking. Each of them require entry of expense time frames. Only the portion of these expenses applicable to "
    "the current year are displayed on this summary page.\r\n\r\nDEBT AND TAXES\r\nThe current debt expense is "
    "entered on the assets page. The current FICA and federal income tax expenses are entered on taxes page and "
    "taken from calculations using data on the income page. If you wish to revise the debt or tax expenses click "
    "on the setup menu item above and then select the related page.";

}  // namespace expense_summary_texts
