// Backward chaining (option 11): verifies one hypothesis chosen by the user,
// goal-first over the rules of the loaded knowledge base.
#pragma once

#include "report/dialogs.hpp"
#include "state/app_state.hpp"

namespace orve {

// The whole run, from its preconditions to the report offer. True when the
// hypothesis was verified.
bool backward_chaining(AppState& state, Dialogs& ui);

} // namespace orve
