#pragma once

#include "solve/Solver.h"

// Finds the best lever value for which the target holds and proves it by its
// neighbour, one step past, failing. Without odds each value is one forecast.
// With odds, the boundary is first found on a sample of the trials and then on
// all of them with a memory of what each trial did (TrialMemory); the answer
// and its neighbour are then judged again on every trial run for itself, and
// when that disagrees with the memory the search runs again on the corrected
// memory. A few probes past the answer catch a lever that is not monotone.
SolveResult FindProvedAnswer(const PlanRecord& plan, const SolveRequest& request, const SolveControl& control);
