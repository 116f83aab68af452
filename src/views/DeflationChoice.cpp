#include "views/DeflationChoice.h"

#include "odds/StressReplay.h"
#include "platform/Platform.h"
#include "shell/DeflationSetting.h"
#include "shell/Session.h"

bool ChooseDeflation(Session& session, Platform& platform, DeflationRule rule) {
  ForecastRules rules = session.Rules;
  rules.deflation = rule;
  if (!session.ChooseRules(rules)) return false;
  SaveDeflation(platform.settings, rule);
  if (session.stress.worstStart && !session.stress.IsScenario())
    session.stress.Choose(WorstStartYear(session.plan, session.Rules, session.stress.sequenceStart), true);
  return true;
}
