// Models with identical results: models computing one result (or concluding
// one condition) must have mutually exclusive go-ahead conditions.
#pragma once

#include "report/dialogs.hpp"
#include "state/app_state.hpp"

namespace orve {

// `testuj_wyniki_wszystkich_modeli_bez_ograniczen`: with a Model Base and no
// Constraint Base loaded, the ten tests without constraints; true when they
// pass (and always when the condition of loading does not hold). A finding
// shows its note and returns false.
bool testuj_wyniki_wszystkich_modeli_bez_ograniczen(AppState& state, Dialogs& ui);

// `testuj_wyniki_wszystkich_modeli_z_og`: with a Model Base and a Constraint
// Base loaded, the ten tests with constraints; true when they pass (and always
// when one of the bases is missing). A finding reports, makes the bases
// unusable for chaining and returns false.
bool testuj_wyniki_wszystkich_modeli_z_og(AppState& state, Dialogs& ui);

} // namespace orve
