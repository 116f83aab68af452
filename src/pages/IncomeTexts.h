#pragma once

#include <QString>

#include "model/NumberFormat.h"
#include "pages/Addresses.h"

// Texts of the income page.
namespace income_texts {

inline const QString kTitle = QStringLiteral("Income Page [ ");

inline const QString kDataError = QStringLiteral("Data entry error please correct.");
inline const QString kAgesUpdated = QStringLiteral(
    "You have entered an income item\r\nwhich required the program to\r\nautomatically update an age on\r\n"
    "on the personal page. You may\r\nwant to check the personal page\r\nto see if you agree with the\r\n"
    "default ages selected.");

// Below a person's boxes when a full-retirement benefit is typed.
inline QString ClaimedBenefit(const std::string& dollars, int claimAge, long double factor) {
  return QStringLiteral("Claimed at %1: %2 a year in current dollars (%3 % of the full benefit)")
      .arg(claimAge)
      .arg(QString::fromStdString(dollars))
      .arg(QString::number(static_cast<double>(factor * 100.0L), 'g', 5));
}

inline QString Instructions() {
  return QStringLiteral(
             "INSTRUCTIONS\r\n"
             "Items on this page relate to current or future incomes. Enter the annual amounts for each "
             "person, or zero for those that do not apply.\r\n\r\n"
             "All amounts are entered in current dollars, what the income would be worth today. The program "
             "uses the ages on the personal page to decide when each income starts and stops, and adjusts "
             "the amounts for inflation and growth. If you enter an income whose starting age on the personal "
             "page is zero, the program sets a default age and takes you to the personal page to check it."
             "\r\n\r\n"
             "SALARY AT START AGE\r\n"
             "Enter the salary in current dollars, even when the employment starts in a later year. Enter the "
             "salary before medical or tax deductions but after tax deferred savings deductions.\r\n\r\n"
             "TAX DEFERRED CONTRIBUTIONS\r\n"
             "Enter your own annual tax deferred contributions plus those of your employer. The employment "
             "start age and the retirement age on the personal page set the years of contribution.\r\n\r\n"
             "YEARLY ROTH CONTRIBUTION\r\n"
             "Enter each person's yearly Roth IRA and Roth 401k contributions in current dollars. They are paid "
             "from the salary after tax, over the same years as the tax deferred contributions.\r\n\r\n"
             "PRIVATE PENSION\r\n"
             "Enter the total annual private pensions in current dollars. They start at the pension starting "
             "age on the personal page.\r\n\r\n"
             "SOCIAL SECURITY\r\n"
             "Enter the annual Social Security pension in current dollars. Your Social Security statement, "
             "with the benefits you have earned, is available on the internet at ") +
         QString::fromLatin1(kSocialSecurityStatementAddress) +
         QStringLiteral(
             " . A spouse's additional pension can be up 45% of your base pension.\r\n\r\n"
             "SOCIAL SECURITY AT FULL RETIREMENT AGE\r\n"
             "Optional. Enter the yearly benefit at full retirement age from the statement (the monthly figure "
             "times 12). The forecast then pays it by the law's claiming rules from the Social Security starting "
             "age on the personal page: 30 % less at 62 and 24 % more at 70 for those born 1960 or later. The "
             "line below the boxes shows the yearly benefit that results, which the forecast uses in place of "
             "the amount above. Leave it at zero to use the amount "
             "above as it is.") +
         QString::fromLatin1(kNumberFormatInstructions);
}

}  // namespace income_texts
