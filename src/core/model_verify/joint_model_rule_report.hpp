// The diagnostic report of joint Model Base and Rule Base inconsistencies
// (command "Diagnosing joint Model- and Rule Base inconsistencies"), written
// from the records of the last load.
#pragma once

#include "report/dialogs.hpp"
#include "state/app_state.hpp"

namespace orve {

// `pisz_sprzecznosc_mr`: the diagnostic report of command 10088, from the
// records of the last load. True when it completed.
bool pisz_sprzecznosc_mr(AppState& state, Dialogs& ui);

} // namespace orve
