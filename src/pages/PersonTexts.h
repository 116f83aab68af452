#pragma once

#include <QString>

#include "model/NumberFormat.h"
#include "pages/Addresses.h"

// Texts of the personal data page.
namespace person_texts {

inline const QString kTitle = QStringLiteral("Personal Data Page [ ");

inline const QString kDataError = QStringLiteral("Data entry error please correct.");
inline const QString kName1Missing = QStringLiteral("Please enter Name #1.");
inline const QString kName2Missing = QStringLiteral("Please enter Name #2 or uncheck Second person.");
inline const QString kBlankAge = QStringLiteral("Age entry can not be blank");

inline QString Instructions() {
  return QStringLiteral(
             "INSTRUCTIONS\r\n"
             "As you enter data you are creating a financial plan that can be saved in a plan file. The program "
             "math model uses this plan to forecast annual cash flow and future net worth.\r\n\r\n"
             "Fill in the names and current ages of the persons of the plan and the ages at which employment, "
             "retirement, private pensions and Social Security start. If the plan is for one person only, "
             "uncheck the small box after the words second person above.\r\n\r\n"
             "EMPLOYMENT START AGE\r\n"
             "Enter the age at which the salary on the income page starts. If the person is already employed "
             "enter the current age. Enter zero if the person will not be employed.\r\n\r\n"
             "RETIREMENT AGE\r\n"
             "Enter the age at which salary and tax deferred contributions stop. If the person is already "
             "retired enter the current age. Enter zero if it does not apply.\r\n\r\n"
             "PENSION START AGE\r\n"
             "Enter the age at which the private pension starts. If the pension is already paid enter the "
             "current age. Enter zero if there is no private pension.\r\n\r\n"
             "SOCIAL SECURITY START AGE\r\n"
             "Enter the age at which Social Security payments start. If they have already begun enter the "
             "current age. Enter zero if there will be none. A spouse's additional Social Security pension "
             "can be up to 45% of your social security base. Your Social Security statement, with the "
             "benefits you have earned, is available on the internet at ") +
         QString::fromLatin1(kSocialSecurityStatementAddress) +
         QStringLiteral(
             " .\r\n\r\n"
             "NUMBER FORMAT\r\n"
             "Enter only whole numbers. Fractional or decimal numbers will generate a data entry error message. "
             "Current age should be at least 15.");
}

}  // namespace person_texts
