#include "app/app_state.hpp"

#include "report/dialogs.hpp"

namespace orve {

void set_command(AppState& state, Dialogs& ui, int id, bool enabled) {
    if (state.commands.set(id, enabled)) {
        ui.command_state_changed(id, enabled);
    }
}

} // namespace orve
