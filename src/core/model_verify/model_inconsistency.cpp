// The load-time Model Base inconsistency test and its notice.
#include "model_verify/model_inconsistency.hpp"

#include "model_verify/model_inconsistency_analysis.hpp"
#include "verify/verify_text.hpp"

namespace orve {

namespace {

constexpr int kDiagnoseModelBase = 10087;

void give_notice(const std::string& name, Dialogs& ui) {
    for (const char* line :
         {" The loaded model base contains at least one inconsistency. ",
          " The loaded model base may be only edited, but not used for chaining.",
          " You may also run a diagnostic check revealing the nature of ", " inconsistency.",
          " For this proceed to the option: ",
          " 'Model Base/Diagnosing Model Base inconsistencies'", "",
          " where a detailed message highlighting the nature of inconsistencies",
          " is to be found.", ""}) {
        ui.msg_append(std::string(line) + "\n");
    }
    ui.note("Diagnostic Report on model inconsistencies",
            "The Elementary Exact Model Base\n   " + name +
                "\ncontains at least one inconsistency." + "\nThe  base may be only edited," +
                "\nbut not used for chaining." + "\nYou may also run a diagnostic check" +
                " revealing the natrure of inconsistency." + "\nFor this proceed to the option:" +
                "\n   'Exact Model Base\n     Diagnosing Model Base inconsistencies'" +
                "where a detailed message highlighting \nthe nature of inconsistencies" +
                " is to be found.");
}

} // namespace

bool informuj_sprzecznosc_mz(AppState& state, Dialogs& ui) {
    if (!run_cancellable(
            ui, "Testing the model base for inconsistencies",
            [&](TestProgress& progress) {
                examine_model_inconsistency(state.kb.model, state.model_findings, progress);
            },
            state.model_findings)) {
        // A Model Base must pass this test before it is used: cancelled, the
        // load ends without a verdict and the base counts as not loaded.
        state.kb.model.name.reset();
        return false;
    }
    if (!state.model_findings.inconsistent()) {
        return true;
    }
    const std::string name = loaded_name(state.kb.model.name);
    state.duplikat_nazwy_mo = name;
    give_notice(name, ui);
    set_command(state, ui, kDiagnoseModelBase, true);
    // The models stay for the report, but without its name the base counts as
    // not loaded and cannot be used for chaining.
    state.kb.model.name.reset();
    return false;
}

} // namespace orve
