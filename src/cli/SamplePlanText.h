#pragma once

// The sample plan the desktop program opens at start (resources/Double.plan),
// built into the tool so `sample` writes it wherever the tool is installed.
const char* SamplePlanText();
