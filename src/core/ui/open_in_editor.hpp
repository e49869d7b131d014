// The editor window on one file, as the abstract commands open it.
#pragma once

#include "report/dialogs.hpp"
#include "state/app_state.hpp"

#include <string>

namespace orve {

// Opens the file (full name) in the editor window and returns when the window
// is closed, with what closing it does to the state. False when it was not opened.
bool open_in_editor(AppState& state, Dialogs& ui, const std::string& path);

} // namespace orve
