// Forward chaining (option 10): derives everything that follows from the
// declared facts, the declared argument values and the user's answers.
#pragma once

#include "report/dialogs.hpp"
#include "state/app_state.hpp"

namespace orve {

// The whole run, from its preconditions to the report offer. True when the
// command completed.
bool forward_chaining(AppState& state, Dialogs& ui);

} // namespace orve
