// The "Checking the loaded bases" command: the anomaly tests on the bases in
// memory, shown in a text window.
#pragma once

#include "report/dialogs.hpp"
#include "state/app_state.hpp"

#include <string>

namespace orve {

// The window's text: one line per anomaly as the batch check prints it, or a
// line saying that there is none.
std::string loaded_check_text(const AppState& state);

// Runs the anomaly tests and shows their findings; true when the command completed.
bool check_loaded_bases(AppState& state, Dialogs& ui);

} // namespace orve
