#include <cstdio>

#include "cli/Commands.h"
#include "model/PlanFile.h"
#include "model/ReadableText.h"

int RunCheckCommand(const CliArgs& args) {
  if (args.size() != 1) {
    std::fprintf(stderr, "Usage: %s\n", kCheckUsage);
    return 1;
  }
  PlanRecord plan;
  const PlanFileResult result = ReadPlanFile(plan, args[0]);
  if (result.missing) {
    std::fprintf(stderr, "prevora-cli: there is no plan file \"%s\"\n", args[0].c_str());
    return 2;
  }
  if (!result.ok) {
    std::fprintf(stderr, "prevora-cli: %s\n", result.message.c_str());
    return 2;
  }
  // Names come from the file: shown escaped, so none can steer the terminal.
  std::printf("Plan: %s\n", ReadableText(plan.PlanFileName).c_str());
  std::printf("Persons: %d\n", plan.SecondPerson ? 2 : 1);
  std::printf("Person 1: %s, age %d\n", ReadableText(plan.Name1).c_str(), static_cast<int>(plan.Age1));
  if (plan.SecondPerson)
    std::printf("Person 2: %s, age %d\n", ReadableText(plan.Name2).c_str(), static_cast<int>(plan.Age2));
  return 0;
}
