#pragma once

#include <gtest/gtest.h>

#include <QPixmap>
#include <cstdint>

#include "engine/Factors.h"
#include "engine/Money.h"
#include "support/DataPageFixture.h"

// The whole program on a plan whose forecast expenses are only what the
// category pages add: no income, no taxes, no debt, and a taxable balance
// that only keeps pace with inflation, large enough to pay for every shortfall.
class ExpensePageTest : public DataPageFixture {
 protected:
  ExpensePageTest() {
    PlanRecord quiet;
    quiet.CurrentYear = 2010;
    quiet.TaxableBalance = 100'000'000;
    quiet.TaxableReturn = -quiet.InflationRate;
    for (std::int64_t PlanRecord::*year : {&PlanRecord::EventYear1, &PlanRecord::EventYear2, &PlanRecord::EventYear3,
                                           &PlanRecord::EventYear4, &PlanRecord::EventYear5}) {
      quiet.*year = 2010;
    }
    for (std::int32_t PlanRecord::*year :
         {&PlanRecord::EduStartYear1, &PlanRecord::EduEndYear1, &PlanRecord::EduStartYear2, &PlanRecord::EduEndYear2,
          &PlanRecord::EduStartYear3, &PlanRecord::EduEndYear3}) {
      quiet.*year = 2010;
    }
    plan = quiet;
  }

  PlanRecord& Plan() { return program.session.plan; }

  // Forecast expenses of year a (1 = this year).
  std::int64_t Expenses(int a) const { return program.session.table.Year(a).Expenses; }
  // Year a's share of an amount entered in current dollars and not reduced.
  std::int64_t Inflated(std::int64_t amount, int a) const {
    return RoundMoney(InflationIndex(program.session.plan, a - 1) * static_cast<long double>(amount));
  }
};
