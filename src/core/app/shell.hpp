// The main window's logic: start-up, dispatch of menu commands, closing.
#pragma once

#include "report/dialogs.hpp"
#include "state/app_state.hpp"

#include <string>

namespace orve {

inline constexpr const char* kStartTitle =
    "orve_EE - Orve Shell for Elementary Exact Forward and Backward Chaining ";

enum class CommandResult { Completed, Failed, Disabled, Unknown };

class Shell {
  public:
    explicit Shell(Dialogs& ui) : ui_(ui) {}

    // Start-up: the main window's title and the start-up command states.
    void start();
    // `task_win_eh` for a menu command: runs the command to its end.
    CommandResult run_command(int id);
    // The main window's close request; true when the user confirmed.
    bool close_request();

    AppState& state() { return state_; }
    Dialogs& ui() { return ui_; }

  private:
    // Runs the command's work; false when it failed.
    bool dispatch(int id);

    AppState state_;
    Dialogs& ui_;
};

} // namespace orve
