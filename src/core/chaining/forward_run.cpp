#include "chaining/forward_run.hpp"

#include "chaining/chaining_loop.hpp"
#include "chaining/declared_data.hpp"
#include "chaining/fact_menu.hpp"

namespace orve {

bool wybierz_tryb(AppState& state, Dialogs& ui, int mode) {
    if (mode == 1) {
        // Without anything to pick the menu gives way to querying.
        declare_facts_by_menu(state, ui);
    }
    state.memory.tytul = "Chaining";
    return wnioskowanie(state, ui);
}

bool wnioskowanie(AppState& state, Dialogs& ui) {
    if (!present_declared_facts(state, ui) || !przedstawienie_m_faktow_pierwotnych(state, ui)) {
        return false;
    }
    przedstawienie_zmiennych_pierwotnych(state, ui);
    record_declared_data(state);
    return wnioskowanie_cd(state, ui);
}

} // namespace orve
