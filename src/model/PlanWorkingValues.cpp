#include "model/PlanWorkingValues.h"

void ResetWorkingValues(PlanWorkingValues& values) { values.HomeEditTexts = kHomeEditResetTexts; }
