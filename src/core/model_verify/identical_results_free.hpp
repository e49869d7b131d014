// Models with identical results when no Constraint Base is loaded: models
// computing one result (or concluding one condition) must have mutually
// exclusive go-ahead conditions, and only the Model Base's own
// `exclusive_models` lists can make them exclusive.
#pragma once

#include "report/dialogs.hpp"
#include "state/app_state.hpp"

namespace orve {

// `testuj_wyniki_wszystkich_modeli_bez_ograniczen`: with a Model Base and no
// Constraint Base loaded, the ten tests without constraints; true when they
// pass (and always when the condition of loading does not hold). A finding
// shows its note and returns false.
bool testuj_wyniki_wszystkich_modeli_bez_ograniczen(AppState& state, Dialogs& ui);

} // namespace orve
