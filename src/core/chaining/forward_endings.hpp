// The three endings of a forward chaining run.
#pragma once

#include "report/dialogs.hpp"
#include "state/app_state.hpp"

namespace orve {

// Nothing applies any more and "end" is not true: presents everything
// established, offers the summary, empties `prawda` and offers the report.
// False when the report save was cancelled or failed.
bool normal_ending(AppState& state, Dialogs& ui);

// A rule concluded "end": the run stops without summary or report.
void end_ending(AppState& state, Dialogs& ui);

// The fallback of a normal ending whose results cannot be presented: "no
// conclusion", the advice for that case and the report offer.
bool no_conclusion_ending(AppState& state, Dialogs& ui);

} // namespace orve
