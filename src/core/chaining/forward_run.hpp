// The forward run after its start: the fact declaration mode, the declared
// data and the chaining loop.
#pragma once

#include "report/dialogs.hpp"
#include "state/app_state.hpp"

namespace orve {

// `wybierz_tryb`: mode 1 declares the facts by menu (falling back to mode 2
// when nothing is left to pick), mode 2 asks the user as rules need it. Then
// runs `wnioskowanie`. True when the run completed.
bool wybierz_tryb(AppState& state, Dialogs& ui, int mode);

// `wnioskowanie`: presents and records the declared data, then runs the loop.
// False when declared facts exclude each other or the report save failed.
bool wnioskowanie(AppState& state, Dialogs& ui);

} // namespace orve
