#pragma once

#include <QString>

#include "model/NumberFormat.h"

// Texts of the assets page.
namespace assets_texts {

inline const QString kTitle = QStringLiteral("Asset Page [ ");
inline const QString kDataError = QStringLiteral("Data entry error please correct.");

inline constexpr const char* kUpdateCommand =
    "\r\n\r\nUPDATE COMMAND\r\nIf you wish to see the results of changes, you may revise the total at the bottom "
    "of the page, by clicking the menu UPDATE command. If you do not, the program will automatically update when "
    "you exit the page.";

inline QString Instructions() {
  return QStringLiteral(
             "INSTRUCTIONS\r\n"
             "Fill in all asset types that apply. Leave zero for those that do not. Make sure you click the "
             "\"Home Status/Assets\" button to enter your home assets or rent status. All amounts are today's "
             "balances.\r\n\r\n"
             "HOME STATUS/ASSETS BUTTON\r\n"
             "The button opens the home status page, where you tell the program whether you rent or own your "
             "home, whether you expect to buy, sell or move to renting, and enter the home's value, taxes and "
             "mortgage. The box beside the button shows the current home equity.\r\n\r\n"
             "TAXABLE INVESTMENTS\r\n"
             "Cash and most bank balances should be included with Taxable Investments.\r\n\r\n"
             "TAX DEFERRED INVESTMENTS\r\n"
             "Tax deferred balances include traditional IRA's and 401k's, whose withdrawals are taxed as income."
             "\r\n\r\n"
             "ROTH INVESTMENTS\r\n"
             "Enter the household's Roth IRA and Roth 401k balances together, and the part of them that is your own "
             "contributions (not their growth): contributions come out tax-free at any age. The yearly Roth "
             "contributions are entered on the income page, the order of withdrawals on the assumptions page."
             "\r\n\r\n"
             "CURRENT DEBT\r\n"
             "Enter the total of all current debts, including car loans and old student loans, but not home "
             "mortgages. If you have several debts, enter the years remaining on the largest loan. The program "
             "estimates the payments and adds them to the expense summary. The debt is shown on the graph and "
             "plan pages as part of the other debt.\r\n\r\n"
             "FUTURE CASH SHORT FALLS\r\n"
             "When a future year's expenses are larger than its income, the program covers the short fall from "
             "the taxable investments first. When they are used up, it borrows against the home equity before "
             "age 60, and from age 60 on it draws on the tax deferred investments before the home equity. The "
             "home equity is never borrowed below 30 percent of the home's market value; what is still missing "
             "becomes new debt.\r\n\r\n"
             "FUTURE STUDENT LOANS\r\n"
             "Future student loans are entered on the education expense page.") +
         QString::fromLatin1(kUpdateCommand) + QString::fromLatin1(kNumberFormatInstructions);
}

}  // namespace assets_texts
