#pragma once

#include "pages/CategoryPage.h"

// The six list pages of annual expenses: one CategoryPage each, told apart
// only by their layouts.

CategoryPageLayout HomeExpenseLayout();
CategoryPageLayout AutoExpenseLayout();
CategoryPageLayout MedicalExpenseLayout();
CategoryPageLayout CommunicationExpenseLayout();
CategoryPageLayout EntertainmentExpenseLayout();
CategoryPageLayout FoodExpenseLayout();

class Tf9home : public CategoryPage {
 public:
  Tf9home(Session& session, Platform& platform, Navigator& navigator)
      : CategoryPage(HomeExpenseLayout(), session, platform, navigator) {}
};

class Tf10auto : public CategoryPage {
 public:
  Tf10auto(Session& session, Platform& platform, Navigator& navigator)
      : CategoryPage(AutoExpenseLayout(), session, platform, navigator) {}
};

class Tf11med : public CategoryPage {
 public:
  Tf11med(Session& session, Platform& platform, Navigator& navigator)
      : CategoryPage(MedicalExpenseLayout(), session, platform, navigator) {}
};

class Tf12com : public CategoryPage {
 public:
  Tf12com(Session& session, Platform& platform, Navigator& navigator)
      : CategoryPage(CommunicationExpenseLayout(), session, platform, navigator) {}
};

class Tf13tain : public CategoryPage {
 public:
  Tf13tain(Session& session, Platform& platform, Navigator& navigator)
      : CategoryPage(EntertainmentExpenseLayout(), session, platform, navigator) {}
};

class Tf14food : public CategoryPage {
 public:
  Tf14food(Session& session, Platform& platform, Navigator& navigator)
      : CategoryPage(FoodExpenseLayout(), session, platform, navigator) {}
};
