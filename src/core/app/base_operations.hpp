// The base operation handlers (`dzialanie_w_bazie_*`) through which menu
// commands reach a loaded base.
#pragma once

#include "report/dialogs.hpp"
#include "state/app_state.hpp"

namespace orve {

// `dzialanie_w_bazie_regul` with an operation code; true when completed.
bool rule_base_operation(AppState& state, Dialogs& ui, int code);

// `dzialanie_w_bazie_modeli` with an operation code; true when completed.
bool model_base_operation(AppState& state, Dialogs& ui, int code);

} // namespace orve
