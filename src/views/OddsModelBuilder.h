#pragma once

#include <QString>
#include <memory>

#include "model/PlanRecord.h"
#include "odds/PathModel.h"
#include "views/OddsSettings.h"

struct OddsModelBuild {
  std::shared_ptr<const PathModel> model;
  QString error;  // what the user must correct, when there is no model
};

// The path model the settings ask for on the plan: Monte Carlo (its draws
// centered on `means` when given, else on the plan's rates), or the history
// file read now (its problems are reported with file and line).
OddsModelBuild BuildOddsModel(const PlanRecord& plan, const OddsSettings& settings, const RatePath* means = nullptr);
