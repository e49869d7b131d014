#include "batch/loaded_check.hpp"

#include "batch/check_findings.hpp"
#include "batch/check_output.hpp"
#include "verify/anomaly_checks.hpp"

namespace orve {

std::string loaded_check_text(const AppState& state) {
    const std::string file = state.kb.rule.name ? state.kb.rule.name->name : std::string();
    const auto findings = anomaly_findings(find_anomalies(state.kb, state.askables), file);
    if (findings.empty()) {
        return "No anomalies found in the loaded bases.\n";
    }
    std::string text;
    for (const auto& finding : findings) {
        text += finding_line(finding) + "\n";
    }
    return text;
}

bool check_loaded_bases(AppState& state, Dialogs& ui) {
    if (!state.kb.rule.name) {
        ui.note("Attention!", "Load Rule Base first!");
        return true;
    }
    ui.show_text("Checking the loaded bases", loaded_check_text(state));
    return true;
}

} // namespace orve
