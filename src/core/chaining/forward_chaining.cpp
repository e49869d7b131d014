#include "chaining/forward_chaining.hpp"

#include "chaining/forward_run.hpp"
#include "chaining/run_start.hpp"

namespace orve {

bool forward_chaining(AppState& state, Dialogs& ui) {
    if (!start_chaining_run(state, ui,
                            {"Elementary exact forward chaining",
                             "Elementary Exact Forward Chaining for ",
                             "Forward chaining for Rule Base "})) {
        return false;
    }
    state.memory.last_run.direction = RunDirection::Forward;
    const int mode = ui.radio_choice({"Fact declaration mode", "Choose fact declaration mode!",
                                      "Menu  for choosing facts", "Querrying the user", 2});
    return wybierz_tryb(state, ui, mode == 1 ? 1 : 2);
}

} // namespace orve
