#include "tools/run_truth.hpp"

namespace orve {

RunTruth run_truth(const AppState& state) {
    const RunRecord& record = state.memory.last_run;
    RunTruth truth;
    if (record.true_at_end) {
        truth.true_set.insert(record.true_at_end->begin(), record.true_at_end->end());
        truth.false_set.insert(record.false_at_end.begin(), record.false_at_end.end());
    } else {
        const auto& prawda = state.memory.prawda.items();
        const auto& nieprawda = state.memory.nieprawda.items();
        truth.true_set.insert(prawda.begin(), prawda.end());
        truth.false_set.insert(nieprawda.begin(), nieprawda.end());
    }
    for (const auto& derivation : record.derivations) {
        truth.true_set.insert(derivation.conclusion);
        if (!derivation.by_model) {
            truth.by_rules.insert(derivation.conclusion);
        }
    }
    return truth;
}

} // namespace orve
