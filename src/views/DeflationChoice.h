#pragma once

#include "markets/ForecastRules.h"

class Platform;
class Session;

// Makes `rule` the program's deflation rule, wherever it is chosen (the Stress
// Test menu, the odds page): the forecast reruns, the setting is remembered and
// a worst history start is looked for again under it. False when it already was.
bool ChooseDeflation(Session& session, Platform& platform, DeflationRule rule);
