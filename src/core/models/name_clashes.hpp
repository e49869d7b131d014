// The load-time check that the names of a Rule Base and a Model Base agree.
#pragma once

#include "report/dialogs.hpp"
#include "state/app_state.hpp"

namespace orve {

// `wnioski_modeli_a_wnioski_regul`: true when no relational model concludes
// what a rule concludes and no logical name is also an argument or result (or
// when one of the bases is missing). Otherwise reports, unloads both bases,
// disables both chaining commands and returns false. Needs the derived model
// lists.
bool wnioski_modeli_a_wnioski_regul(AppState& state, Dialogs& ui);

} // namespace orve
