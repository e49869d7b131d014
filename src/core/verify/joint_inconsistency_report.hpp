// The diagnostic report of joint rule-constraint inconsistencies (command
// "Diagnosing joint Rule- and Constraint Base inconsistencies").
#pragma once

#include "report/dialogs.hpp"
#include "state/app_state.hpp"

namespace orve {

// `pisz_sprzecznosc_2`: the diagnostic report; empties the conflict records.
void pisz_sprzecznosc_2(AppState& state, Dialogs& ui);

} // namespace orve
