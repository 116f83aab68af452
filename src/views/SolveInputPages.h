#pragma once

#include <optional>

#include "shell/PageId.h"

// The data page where the plan field on `line` is entered, if a page enters it.
std::optional<PageId> PageOfField(int line);
