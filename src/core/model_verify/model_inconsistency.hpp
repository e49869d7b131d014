// Model Base inconsistency: models that need their own result, directly or
// through nested models, and relational models concluding their own go-ahead
// condition.
#pragma once

#include "report/dialogs.hpp"
#include "state/app_state.hpp"

namespace orve {

// `informuj_sprzecznosc_mz`: the load-time test. Rebuilds the findings; true
// when the base is consistent. Otherwise gives the notice, keeps the base name
// in `duplikat_nazwy_mo`, enables "Diagnosing Model Base inconsistencies",
// forgets the Model Base name and returns false.
bool informuj_sprzecznosc_mz(AppState& state, Dialogs& ui);

} // namespace orve
