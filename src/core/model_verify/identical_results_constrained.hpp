// Models with identical results when a Constraint Base is loaded: models
// computing one result (or concluding one condition) must have mutually
// exclusive go-ahead conditions; a set of them is exclusive when one constraint
// holds them all, or when the rules concluding them have mutually exclusive
// conclusions.
#pragma once

#include "report/dialogs.hpp"
#include "state/app_state.hpp"

namespace orve {

// `testuj_wyniki_wszystkich_modeli_z_og`: with a Model Base and a Constraint
// Base loaded, the ten tests with constraints; true when they pass (and always
// when one of the bases is missing). A finding reports, makes the bases
// unusable for chaining and returns false.
bool testuj_wyniki_wszystkich_modeli_z_og(AppState& state, Dialogs& ui);

} // namespace orve
