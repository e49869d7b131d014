#include "app/base_operations.hpp"

#include "askables/askables_display.hpp"
#include "verify/external_inconsistency.hpp"

namespace orve {

bool rule_base_operation(AppState& state, Dialogs& ui, int code) {
    // Without a Rule Base these operations do nothing visible.
    if (!state.kb.rule.name) {
        return true;
    }
    switch (code) {
    case 2:
        show_rule_base_askables(state, ui);
        break;
    case 6:
        pisz_sprzecznosc_1z(state, ui);
        break;
    default:
        break;
    }
    return true;
}

} // namespace orve
