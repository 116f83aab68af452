#pragma once

#include "markets/ForecastRules.h"
#include "platform/Platform.h"
#include "shell/RuleSettings.h"
#include "shell/Session.h"

// After a rule change a worst history start is looked for again under the new rules.
void RefreshWorstStart(Session& session);

// Makes `value` the program's rule, wherever it is chosen (the Stress Test
// menu, the odds page): the forecast reruns, the setting is remembered and the
// worst start is found again. False when it already was the rule.
template <typename Rule>
bool ChooseRule(Session& session, Platform& platform, Rule ForecastRules::*member, Rule value) {
  ForecastRules rules = session.Rules;
  rules.*member = value;
  if (!session.ChooseRules(rules)) return false;
  SaveRule(platform.settings, value);
  RefreshWorstStart(session);
  return true;
}
