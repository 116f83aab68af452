#pragma once

#include <cstdint>

#include "compare/ComparedFields.h"
#include "model/PlanRecord.h"

// A stored page total follows its entries: in a plan mixed from two plans it
// moves by what its page's sum of the mixed entries moves. Whatever it moves
// beyond that between the two plans (a total that was typed into a file, or a
// page left without its Update) is its own shift, a change of its own.
//
// The arithmetic is modulo 2^64 on purpose: base + (entry sum moves) + own
// shift then gives exactly the other plan's total when every change is taken,
// whatever the sizes, and never overflows.

// The page's sum of the entries; `scratch` is a copy of the plan the sum may write into.
std::uint64_t EntrySum(PlanRecord& scratch, const StoredTotal& total);

std::uint64_t OwnShift(const PlanRecord& base, const PlanRecord& other, const StoredTotal& total);

// `totalLine` is a StoredTotal line.
bool HasOwnShift(const PlanRecord& base, const PlanRecord& other, int totalLine);

// The stored value of `total` in `plan`, and a way to set it.
std::int64_t PlanRecord::*TotalMember(const StoredTotal& total);

// The base total moved by the entry sum's move, plus the own shift when taken.
std::int64_t MovedTotal(std::int64_t baseTotal, std::uint64_t baseSum, std::uint64_t mixedSum,
                        std::uint64_t shiftTaken);
