// The two verdicts of a backward chaining run.
#pragma once

#include "chaining/backward_run.hpp"
#include "report/dialogs.hpp"
#include "state/app_state.hpp"

#include <string>

namespace orve {

// The hypothesis was established by rule (or model) `number`: verdict, media
// offers, everything established, summary and report offer.
void hypothesis_verified(AppState& state, Dialogs& ui, BackwardRun& run, int number);

// Nothing established the hypothesis: the 'open world' verdict, everything
// established and the report offer.
void hypothesis_not_verified(AppState& state, Dialogs& ui, BackwardRun& run);

} // namespace orve
