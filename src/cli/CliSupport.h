#pragma once

#include <QGuiApplication>
#include <array>
#include <memory>
#include <optional>
#include <string>

#include "views/GraphCurves.h"

struct PlanRecord;

// Fonts and images need a GUI application; without a display the offscreen
// platform serves.
std::unique_ptr<QGuiApplication> StartOffscreenGui();

// Reads the plan at `path`; on failure says why on stderr and returns false.
bool LoadPlanForCli(const std::string& path, PlanRecord& plan);

// "1,2,5" -> curves 1, 2 and 5 shown; nothing for anything but numbers 1 to 8.
std::optional<std::array<bool, kCurveCount>> ParseCurveList(const std::string& list);
