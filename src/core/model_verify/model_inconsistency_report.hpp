// The diagnostic report of Model Base inconsistencies (command "Diagnosing
// Model Base inconsistencies"), written from the findings of the last load.
#pragma once

#include "report/dialogs.hpp"
#include "state/app_state.hpp"

namespace orve {

// `pisz_sprzecznosc_mz`: the diagnostic report of command 10087, from the
// findings of the last load. True when it completed.
bool pisz_sprzecznosc_mz(AppState& state, Dialogs& ui);

} // namespace orve
