// The forward chaining loop: fire the first applicable rule or model, start
// again, and end the run when nothing applies any more.
#pragma once

#include "report/dialogs.hpp"
#include "state/app_state.hpp"

namespace orve {

// Fires a rule: presents the established facts, explains the rule, records
// its conclusion true (without constraints) and offers its media.
void fire_rule(AppState& state, Dialogs& ui, const Rule& rule);

// Runs passes until "end" is true or no rule or model applies.
void chaining_passes(AppState& state, Dialogs& ui);

// `wnioskowanie_cd`: the passes, then the ending of the run. True when the
// run completed (a cancelled report save ends it silently).
bool wnioskowanie_cd(AppState& state, Dialogs& ui);

} // namespace orve
