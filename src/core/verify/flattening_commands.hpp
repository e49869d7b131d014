// The two commands that show flattened rules to the user.
#pragma once

#include "report/dialogs.hpp"
#include "state/app_state.hpp"

namespace orve {

// "Flattening a chosen rule" (10135): pick a rule, then show its flattened
// versions one by one.
bool flatten_chosen_rule(AppState& state, Dialogs& ui);

// "Flattening all rules" (10136): every flattened version of every rule, one by
// one.
bool flatten_all_rules(AppState& state, Dialogs& ui);

} // namespace orve
