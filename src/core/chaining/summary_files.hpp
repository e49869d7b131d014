// The commands that read and delete summary files.
#pragma once

#include "report/dialogs.hpp"
#include "state/app_state.hpp"

namespace orve {

// Commands 10147 "Summary reading" and 10148 "Summary deleting".
bool summary_reading(AppState& state, Dialogs& ui);
bool summary_deleting(AppState& state, Dialogs& ui);

} // namespace orve
