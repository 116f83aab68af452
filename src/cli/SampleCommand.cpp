#include <cstdio>
#include <sstream>

#include "cli/Commands.h"
#include "cli/SamplePlanText.h"
#include "model/PlanFile.h"
#include "model/SamplePlan.h"

namespace {

// Writes `plan` to the one argument; status 1 for another command line, 2 when the file cannot be written.
int WritePlan(const CliArgs& args, const char* usage, PlanRecord& plan) {
  if (args.size() != 1) {
    std::fprintf(stderr, "Usage: %s\n", usage);
    return 1;
  }
  const PlanFileResult result = WritePlanFile(plan, args[0]);
  if (!result.ok) {
    std::fprintf(stderr, "prevora-cli: %s\n", result.message.c_str());
    return 2;
  }
  return 0;
}

}  // namespace

int RunSampleCommand(const CliArgs& args) {
  PlanRecord plan;
  std::istringstream text(SamplePlanText());
  const PlanFileResult read = ReadPlanText(text, plan, ClockYear(), "Double.plan");
  if (!read.ok) {
    std::fprintf(stderr, "prevora-cli: the built-in sample plan is unreadable: %s\n", read.message.c_str());
    return 2;
  }
  return WritePlan(args, kSampleUsage, plan);
}

int RunNewPlanCommand(const CliArgs& args) {
  PlanRecord plan;
  ResetPlan(plan);
  return WritePlan(args, kNewPlanUsage, plan);
}
