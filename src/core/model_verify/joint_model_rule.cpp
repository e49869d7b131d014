// The load-time joint Model Base and Rule Base test and its notice.
#include "model_verify/joint_model_rule.hpp"

#include "model_verify/joint_model_rule_search.hpp"
#include "verify/verify_text.hpp"

namespace orve {

namespace {

constexpr int kDiagnoseJoint = 10088;

void give_notice(const std::string& models, const std::string& rules, Dialogs& ui) {
    const std::vector<std::string> lines = {
        "Model base    " + models,
        "and rule base " + rules,
        "are  jointly inconsistent.",
        "",
        "The loaded bases may be only edited, but not used for chaining.",
        " You may also run a diagnostic check revealing the nature of ",
        " inconsistency",
        " For this enter the  option:",
        " 'Model Base/Diagnosing Joint Model- and Rule Base Inconsistencies'",
        "",
        " where a detailed message highlighting the nature of inconsistencies",
        " is to be found.",
        ""};
    for (const auto& line : lines) {
        ui.msg_append(line + "\n");
    }
    ui.note("Diagnostic Report on joint model-rule inconsistencies",
            "Elementary Exact Model Base\n   " + models + "and Elementary Exact Rule Base\n   " +
                rules + "\nare  jointly inconsistent." +
                "\nThe loaded bases may be only edited, \nbut not used for chaining." +
                "\nYou may  run a diagnostic check revealing \nthe nature of inconsistency." +
                "\nFor this enter the  option:" +
                "\n   'Exact Model Base\n    Diagnosing Joint Model-  and\n    Rule Base "
                "Inconsistencies'," +
                "\nwhere a detailed message highlighting the \nnature of inconsistencies" +
                "\nis to be found.");
}

} // namespace

bool informuj_sprzecznosc_mr(AppState& state, Dialogs& ui) {
    auto& records = state.model_findings.modele_i_reguly_sprzeczne;
    if (!run_cancellable(
            ui, "Testing joint model-rule inconsistencies",
            [&](TestProgress& progress) {
                records = badaj_sprzecznosc_mr(state.kb, state.askables, progress);
            },
            records)) {
        // Both bases must pass this test before chaining: cancelled, the load
        // ends without a verdict and the Model Base counts as not loaded.
        state.kb.model.name.reset();
        return false;
    }
    state.findings.sprzecznosc_mr = !records.empty();
    if (!state.findings.sprzecznosc_mr) {
        return true;
    }
    give_notice(loaded_name(state.kb.model.name), loaded_name(state.kb.rule.name), ui);
    set_command(state, ui, kDiagnoseJoint, true);
    return false;
}

} // namespace orve
