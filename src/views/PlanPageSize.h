#pragma once

#include <QSize>
#include <cstdint>

struct WindowGeometry;

// The plan page's size rule for a window size (menu bar included, as the
// graph page counts it, so both pages show the same stored size): widths
// between the page minimum and the widest page, heights from the page
// minimum up to the rows the plan can show for a first person of `age1`, and
// never taller than the screen.
QSize PlanPageHeldSize(QSize windowSize, const WindowGeometry& geometry, std::int32_t age1);
