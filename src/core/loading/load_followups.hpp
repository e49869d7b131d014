// The follow-up steps that run after a base file has been read, per base kind.
#pragma once

#include "report/dialogs.hpp"
#include "state/app_state.hpp"

namespace orve {

// Each returns false when a step refused the base or flagged it, which ends
// the load procedure.
bool rule_base_followups(AppState& state, Dialogs& ui);
bool model_base_followups(AppState& state, Dialogs& ui);
// The constraint checks that run before the loaded messages.
bool constraint_base_checks(AppState& state, Dialogs& ui);
bool constraint_base_followups(AppState& state, Dialogs& ui);
bool advice_base_followups(AppState& state, Dialogs& ui);

} // namespace orve
