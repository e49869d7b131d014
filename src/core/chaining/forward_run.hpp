// The forward run after its start: the fact declaration mode, the declared
// data and the chaining loop.
#pragma once

#include "app/app_state.hpp"
#include "report/dialogs.hpp"

namespace orve {

// `wybierz_tryb`: mode 1 declares the facts by menu (falling back to mode 2
// when nothing is left to pick), mode 2 asks the user as rules need it. Then
// runs `wnioskowanie`. True when the run completed.
bool wybierz_tryb(AppState& state, Dialogs& ui, int mode);

// `wnioskowanie`: presents and records the declared data, then runs the loop.
// False when declared facts exclude each other or the report save failed.
bool wnioskowanie(AppState& state, Dialogs& ui);

// The check of all model results without constraints, one of the bars on
// chaining.
bool model_results_consistent(const AppState& state);

// False when an inconsistency of the Model Base, alone or together with the
// Rule Base, has been recorded.
bool model_base_consistent(const AppState& state);

} // namespace orve
