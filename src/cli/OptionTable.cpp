#include "cli/OptionTable.h"

#include <cstdio>

int ReportUsageError(UsageErrorStyle style, const char* usage, const std::string& reason) {
  const bool explain =
      style == UsageErrorStyle::ReasonAndUsage || (style == UsageErrorStyle::ReasonOrUsage && !reason.empty());
  if (explain) std::fprintf(stderr, "prevora-cli: %s\n", reason.c_str());
  if (style != UsageErrorStyle::ReasonOrUsage || !explain) std::fprintf(stderr, "Usage: %s\n", usage);
  return 1;
}
