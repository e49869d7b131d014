#include "state/app_state.hpp"

#include "report/dialogs.hpp"

namespace orve {

void set_command(AppState& state, Dialogs& ui, int id, bool enabled) {
    if (state.commands.set(id, enabled)) {
        ui.command_state_changed(id, enabled);
    }
}

void set_main_title(AppState& state, Dialogs& ui, const std::string& title) {
    state.main_title = title;
    ui.set_main_title(title);
}

} // namespace orve
