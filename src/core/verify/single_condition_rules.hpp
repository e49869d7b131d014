// Rules with a single condition: recorded after a Rule Base is loaded and
// offered for listing, since such a rule often only renames its condition.
#pragma once

#include "report/dialogs.hpp"
#include "state/app_state.hpp"

namespace orve {

// `wykrywanie_warunkow_pojedynczych`: records and offers to show the rules with a
// single condition. Never rejects the base.
void wykrywanie_warunkow_pojedynczych(AppState& state, Dialogs& ui);

} // namespace orve
