#pragma once

#include <cstdint>
#include <vector>

// `total` shared among the parts in proportion to their sizes, each share a
// whole number, the shares adding up to `total` exactly (largest remainders
// get the leftover units). The parts must add up to more than zero.
std::vector<std::int64_t> Apportion(const std::vector<std::int64_t>& parts, std::int64_t total);
