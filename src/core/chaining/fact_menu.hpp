// Fact declaration by menu: the user picks the true conditions from the
// constraints and from the remaining askable conditions before the run.
#pragma once

#include "report/dialogs.hpp"
#include "state/app_state.hpp"

namespace orve {

// True when the facts were declared by menu; false when no askable condition
// was left to offer, in which case the run continues by querying the user.
bool declare_facts_by_menu(AppState& state, Dialogs& ui);

} // namespace orve
