// The help command: the user guide of the shell.
#pragma once

#include "report/dialogs.hpp"
#include "state/app_state.hpp"

#include <filesystem>
#include <optional>

namespace orve {

// Where the user guide is: beside the running program (as the build and an
// installation put it), in the documentation folder of an installation, or in
// the source tree the program was built from. Nothing when none of them holds it.
std::optional<std::filesystem::path> find_user_guide();

// Help: hands the user guide to the front end; without one it does nothing.
bool show_user_guide(AppState& state, Dialogs& ui);

} // namespace orve
