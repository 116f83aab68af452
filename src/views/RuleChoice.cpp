#include "views/RuleChoice.h"

#include "odds/StressReplay.h"

void RefreshWorstStart(Session& session) {
  if (session.stress.worstStart && !session.stress.IsScenario())
    session.stress.Choose(WorstStartYear(session.plan, session.Rules, session.stress.sequenceStart), true);
}
