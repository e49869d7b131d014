// The advice on tautological models given after a Model Base is loaded.
#pragma once

#include "report/dialogs.hpp"
#include "state/app_state.hpp"

namespace orve {

// `wykrywanie_modeli_tautologicznych`: records the basic models that only
// rename a variable and, when there are any, offers to list them. Never
// refuses the base.
void wykrywanie_modeli_tautologicznych(AppState& state, Dialogs& ui);

} // namespace orve
