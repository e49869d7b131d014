// The diagnosing commands of the redundancy and joint rule-constraint tests.
#include "verify/verification_commands.hpp"

#include "verify/joint_inconsistency_report.hpp"
#include "verify/joint_redundancy_report.hpp"
#include "verify/redundancy_report.hpp"

namespace orve {

// Without the bases they work on, the diagnosing commands do nothing visible.

bool diagnose_redundancies(AppState& state, Dialogs& ui) {
    if (state.kb.rule.name) {
        pisz_nadmiar(state, ui);
    }
    return true;
}

bool diagnose_joint_inconsistencies(AppState& state, Dialogs& ui) {
    if (state.kb.rule.name && state.kb.constraint.name) {
        pisz_sprzecznosc_2(state, ui);
    }
    return true;
}

bool diagnose_joint_redundancies(AppState& state, Dialogs& ui) {
    if (state.kb.rule.name && state.kb.constraint.name) {
        pisz_nadmiar_2(state, ui);
    }
    return true;
}

} // namespace orve
