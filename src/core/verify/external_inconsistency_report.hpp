// The diagnostic report of the external inconsistencies found by the last
// detection (command "Diagnosing external inconsistencies").
#pragma once

#include "report/dialogs.hpp"
#include "state/app_state.hpp"

#include <optional>
#include <string>

namespace orve {

// `pisz_sprzecznosc_1z`: the diagnostic report of command 10071.
void pisz_sprzecznosc_1z(AppState& state, Dialogs& ui);

} // namespace orve
