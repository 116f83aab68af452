#pragma once

#include <QString>
#include <array>

#include "model/HomeSituation.h"
#include "model/NumberFormat.h"

// Texts of the home status page.
namespace home_status_texts {

inline const QString kTitle = QStringLiteral("Assets - Home Status Page [ ");
inline const QString kDataError = QStringLiteral("Data entry error please correct.");

inline const std::array<QString, 5> kButtonCaptions = {
    QStringLiteral("Rent"), QStringLiteral("Own"), QStringLiteral("Rent but expect to buy"),
    QStringLiteral("Own but expect to sell and buy again"), QStringLiteral("Own but expect to rent")};

inline constexpr const char* kAdjustments =
    "Note the program automatically adjusts for inflation on all items. Values entered here for real estate taxes "
    "along with calculated mortgage payments will automatically be included in your expense summary in the "
    "appropriate years. ";

inline constexpr const char* kFinished =
    "\r\n\r\nFINISHED\r\nWhen you are finished with this page click RETURN on the menu above or the [X] on the top "
    "right to go back to the previous page.";

inline constexpr const char* kRent =
    "INSTRUCTIONS\r\nThe \"rent\" item has been selected above. If you currently rent your home and do not intend "
    "to own a home in the future then fill in the rent item above. If not make another selection.";

inline constexpr const char* kOwn =
    "INSTRUCTIONS\r\nThe \"own\" item has been selected above. If you own your home and expect to keep it, fill "
    "in the items above. If not make another selection.\r\n\r\n"
    "HOME ASSET\r\nEnter today's market value of the home, the annual real estate taxes, the mortgage balance and "
    "the years left to pay on the mortgage. Enter zero for the balance and the years if the home is paid off. The "
    "program computes the annual mortgage payment from the balance, the years and the mortgage rate on the "
    "assumptions page.\r\n\r\n"
    "MORE THEN ONE HOME\r\nIf you own more than one home, enter the totals of their market values, real estate "
    "taxes and mortgage balances, and the years left on the largest mortgage. The program pays off all the "
    "mortgages over that period.\r\n\r\n"
    "AUTOMATIC ADJUSTMENTS\r\n";

inline constexpr const char* kRentBuy =
    "INSTRUCTION\r\nThe \"rent but expect to buy\" item has been selected above. If you rent today and expect to "
    "buy a home, fill in the items above. If not make another selection.\r\n\r\n"
    "FUTURE HOME\r\nEnter the number of years before the purchase, and the expected purchase price, mortgage loan "
    "and real estate taxes in today's dollars; the program inflates them to the year of the purchase. Enter the "
    "annual rent you pay until then.\r\n\r\n"
    "NEAR TERM PURCHASE\r\nIf you expect to buy within the next year enter one for the years before the purchase. "
    "If you try to enter zero for years till purchase the program will automatically reset the years to one."
    "\r\n\r\n"
    "AUTOMATIC ADJUSTMENTS\r\n";

inline constexpr const char* kOwnSell =
    "INSTRUCTIONS\r\nThe \"own but expect to sell and buy again\" item has been selected above. If you own your "
    "home and expect to sell it and buy another one, fill in the items above. If not make another selection."
    "\r\n\r\n"
    "CURRENT HOME\r\nEnter today's market value of the home, the annual real estate taxes, the mortgage balance "
    "and the years left to pay on the mortgage.\r\n\r\n"
    "SALE AND RE-PURCHASE\r\nEnter the years before the new home is bought, and its purchase price, mortgage loan "
    "and real estate taxes in today's dollars. The current home is sold in the same year and its equity goes "
    "toward the new purchase.\r\n\r\n"
    "AUTOMATIC ADJUSTMENTS\r\n";

inline constexpr const char* kOwnRent =
    "INSTRUCTION\r\nThe \"Own but expect to rent\" item has been selected above. If you own your home and expect "
    "to sell it and rent, fill in the items above. If not make another selection.\r\n\r\n"
    "CURRENT HOME\r\nEnter today's market value of the home, the annual real estate taxes, the mortgage balance "
    "and the years left to pay on the mortgage.\r\n\r\n"
    "SALE AND RENT\r\nEnter the years before you expect to sell, and the annual rent you expect to pay then. "
    "Enter the rent in today's dollars; the model adjusts it for inflation.\r\n\r\n"
    "AUTOMATIC ADJUSTMENTS\r\n";

// The instructions shown for a situation the page offers.
inline QString Instructions(HomeSituation situation) {
  const QString tail = QString::fromLatin1(kNumberFormatInstructions) + QString::fromLatin1(kFinished);
  const char* text = kOwnRent;
  switch (situation) {
    case HomeSituation::Rent:
      return QString::fromLatin1(kRent) + tail;
    case HomeSituation::Own:
      text = kOwn;
      break;
    case HomeSituation::RentThenBuy:
      text = kRentBuy;
      break;
    case HomeSituation::OwnThenBuyAnother:
      text = kOwnSell;
      break;
    case HomeSituation::OwnThenRent:
      break;
  }
  return QString::fromLatin1(text) + QString::fromLatin1(kAdjustments) + tail;
}

}  // namespace home_status_texts
