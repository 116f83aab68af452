#pragma once

#include "model/PlanRecord.h"

namespace legacy {

// A distinct type so the copied engine's calls never resolve to the current
// engine's functions of the same name.
struct PlanRecord : ::PlanRecord {};

}  // namespace legacy
