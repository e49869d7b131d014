#include "chaining/run_start.hpp"

#include "chaining/abstracts.hpp"
#include "chaining/condition_tests.hpp"
#include "chaining/summary.hpp"
#include "model_verify/identical_results_free.hpp"
#include "report/detail_level.hpp"
#include "state/condition_names.hpp"
#include "verify/verify_text.hpp"

namespace orve {

namespace {

// Checks the bars on chaining in their order; only a missing Rule Base is
// reported.
bool may_chain(AppState& state, Dialogs& ui) {
    const Findings& findings = state.findings;
    if (findings.numbers_not_unique() || !model_results_consistent(state, ui) ||
        findings.blad_wykluczajacych) {
        return false;
    }
    if (!state.kb.rule.name) {
        ui.note("Attention!", "Load Rule Base first!");
        return false;
    }
    return !findings.externally_inconsistent() && model_base_consistent(state);
}

void announce_bases(AppState& state, Dialogs& ui, const RunHeading& heading) {
    const KnowledgeBaseSet& kb = state.kb;
    const std::string rule = loaded_name(kb.rule.name);
    const std::string model = loaded_name(kb.model.name);
    const std::string constraint = loaded_name(kb.constraint.name);
    const std::string advice = loaded_name(kb.advice.name);
    const std::string graphics = loaded_name(kb.graphics.name);
    const std::string sound = loaded_name(kb.sound.name);
    ui.note(heading.note_title, heading.note_head + "\n\nElementary Exact Rule Base\n   " + rule +
                                    "\n\nElementary Exact Model Base\n   " + model +
                                    "\n\nElementary Exact Constraint Base\n   " + constraint +
                                    "\n\nElementary Exact Advice Base\n   " + advice +
                                    "\n\nElementary Exact Graphics Base\n   " + graphics +
                                    "\n\nElementary Exact Sound Base\n   " + sound);
    ReportWriter out(state.report, ui);
    for (const auto& line :
         {heading.line_head + rule, "                           Model Base " + model,
          "                      Constraint Base " + constraint,
          "                          Advice Base " + advice,
          "                        Graphics Base " + graphics,
          "                           Sound Base " + sound}) {
        out.pisz(line);
        out.piszcr();
    }
    out.piszcr();
}

void clear_run(AppState& state) {
    kasowanie_tekst_raportu(state.report);
    WorkingMemory& memory = state.memory;
    memory.nieprawda.clear();
    memory.prawda.clear();
    memory.model_stosowany.clear();
    memory.zmienna_ustalona.clear();
    memory.last_run = {};
}

} // namespace

bool model_results_consistent(AppState& state, Dialogs& ui) {
    return testuj_wyniki_wszystkich_modeli_bez_ograniczen(state, ui);
}

bool model_base_consistent(const AppState& state) {
    return !state.model_findings.inconsistent() && !state.findings.sprzecznosc_mr;
}

bool start_chaining_run(AppState& state, Dialogs& ui, const RunHeading& heading) {
    if (!may_chain(state, ui)) {
        return false;
    }
    czytaj_opis(state, ui);
    ask_level_of_detail(state.report, ui);
    generuj_etykiety(state, ui);
    clear_run(state);
    announce_bases(state, ui, heading);
    pamietaj(state, no_condition_name, true);
    return true;
}

} // namespace orve
