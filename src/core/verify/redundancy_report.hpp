// The diagnostic report of rule redundancies (command "Diagnosing redundancies").
#pragma once

#include "report/dialogs.hpp"
#include "state/app_state.hpp"

namespace orve {

// `pisz_nadmiar`: the diagnostic report; writes each recorded pair once and
// consumes the pair records.
void pisz_nadmiar(AppState& state, Dialogs& ui);

} // namespace orve
