// The work behind each menu command (`task_win_eh` routing).
#pragma once

#include "report/dialogs.hpp"
#include "state/app_state.hpp"

namespace orve {

// A command's work: true when the command completed.
using CommandHandler = bool (*)(AppState& state, Dialogs& ui);

// The handler of a command, or nullptr for submenu headers and for commands
// whose work is not built yet.
CommandHandler handler_of(int id);

} // namespace orve
