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
