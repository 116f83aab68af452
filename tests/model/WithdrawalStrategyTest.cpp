#include "model/WithdrawalStrategy.h"

#include <gtest/gtest.h>

TEST(WithdrawalStrategyTest, OrderTakesEachAccountOnceInAnyOrder) {
  EXPECT_EQ(ParseWithdrawalOrder(""), kDefaultWithdrawalOrder);
  EXPECT_EQ(ParseWithdrawalOrder("taxable,deferred,roth"), kDefaultWithdrawalOrder);
  EXPECT_EQ(ParseWithdrawalOrder(" Roth , taxable,DEFERRED "),
            (AccountOrder{Account::Roth, Account::Taxable, Account::Deferred}));
  for (const char* refused : {"taxable,deferred", "taxable,deferred,roth,roth", "taxable,taxable,roth",
                              "taxable,,deferred,roth", "taxable;deferred;roth", "taxable,deferred,roth,"}) {
    EXPECT_FALSE(ParseWithdrawalOrder(refused)) << refused;
  }
}

TEST(WithdrawalStrategyTest, ProblemsNameEachInvalidInput) {
  PlanRecord plan;
  EXPECT_TRUE(WithdrawalStrategyProblems(plan).empty());
  plan.WithdrawalOrder = "roth,deferred";
  plan.FillBracket = 15;
  plan.FillInto = "cash";
  plan.ConvertAmount = -1;
  plan.FillFromAge = 70;
  plan.FillToAge = 65;
  const std::vector<std::string> problems = WithdrawalStrategyProblems(plan);
  ASSERT_EQ(problems.size(), 5U);
  const char* fields[] = {"WithdrawalOrder", "FillBracket", "FillInto", "ConvertAmount", "FillFromAge"};
  for (std::size_t i = 0; i < problems.size(); ++i) EXPECT_EQ(problems[i].rfind(fields[i], 0), 0U) << problems[i];
}
