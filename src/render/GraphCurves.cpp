#include "render/GraphCurves.h"

#include "engine/ForecastTable.h"
#include "engine/Money.h"

const std::array<QString, kCurveCount> CurveNames = {
    "Net Worth", "Investments", "Property Net", "Other Debt", "Expenses", "Income", "Taxes", "Distribution",
};

namespace {

const std::array<QColor, kCurveCount> kCurveColours = {
    QColor(0, 128, 0), QColor(128, 128, 0), QColor(0, 0, 255),   QColor(0, 0, 0),
    QColor(255, 0, 0), QColor(128, 255, 0), QColor(255, 0, 255), QColor(0, 128, 255),
};

bool IsCurve(int n) { return n >= 1 && n <= kCurveCount; }

}  // namespace

QString CurveName(int n) { return IsCurve(n) ? CurveNames[static_cast<std::size_t>(n - 1)] : QString(); }

QColor CurveColour(int n) { return IsCurve(n) ? kCurveColours[static_cast<std::size_t>(n - 1)] : QColor(0, 0, 0); }

bool IsAssetsCurve(int n) { return n >= 1 && n <= 4; }

std::int64_t CurveValue(const YearRecord& year, int n) {
  switch (n) {
    case 1:
      return year.NetWorth;
    case 2:
      return AddMoney(year.TaxDeferred, year.TaxableInvest);
    case 3:
      return year.HomeEquity;
    case 4:
      return year.OtherDebt;
    case 5:
      return year.Expenses;
    case 6:
      return year.Income;
    case 7:
      return AddMoney(year.IncomeTaxes, year.PropertyTax);
    case 8:
      return year.Distribution;
    default:
      return 0;
  }
}
