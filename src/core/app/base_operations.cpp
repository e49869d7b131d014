#include "app/base_operations.hpp"

#include "model_verify/joint_model_rule_report.hpp"
#include "model_verify/model_inconsistency_report.hpp"
#include "ui/askables_display.hpp"
#include "verify/external_inconsistency_report.hpp"

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

bool model_base_operation(AppState& state, Dialogs& ui, int code) {
    switch (code) {
    case 2:
        // The askables displays start a fresh set of argument values.
        state.memory.zmienna_ustalona.clear();
        show_model_base_askables(state, ui);
        return true;
    case 3:
        state.memory.zmienna_ustalona.clear();
        show_joint_askables(state, ui);
        return true;
    case 7:
        return pisz_sprzecznosc_mz(state, ui);
    case 8:
        return pisz_sprzecznosc_mr(state, ui);
    default:
        return true;
    }
}

} // namespace orve
