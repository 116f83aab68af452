#pragma once

// Every page of the program. The registry in app/ creates one page per id.
enum class PageId {
  Graph,
  PlanTable,
  Personal,
  ExpenseSummary,
  Income,
  Assets,
  Taxes,
  Assumptions,
  HomeExpenses,
  AutoExpenses,
  MedicalExpenses,
  CommunicationExpenses,
  EntertainmentExpenses,
  FoodExpenses,
  Education,
  SpecialEvents,
  HomeStatus,
  Text,
  About,
  Comparison,
  Odds,
  Solve,
  Strategies,
};
