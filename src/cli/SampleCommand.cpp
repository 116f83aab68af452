#include <cstdio>

#include "cli/Commands.h"
#include "model/PlanFile.h"
#include "model/SamplePlan.h"

int RunSampleCommand(const CliArgs& args) {
  if (args.size() != 1) {
    std::fprintf(stderr, "Usage: %s\n", kSampleUsage);
    return 1;
  }
  PlanRecord plan;
  ResetPlan(plan);
  const PlanFileResult result = WritePlanFile(plan, args[0]);
  if (!result.ok) {
    std::fprintf(stderr, "prevora-cli: %s\n", result.message.c_str());
    return 2;
  }
  return 0;
}
