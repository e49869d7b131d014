#include "loading/load_followups.hpp"

#include "askables/askable_lists.hpp"
#include "kb/file_lookup.hpp"
#include "model_verify/identical_results_constrained.hpp"
#include "model_verify/identical_results_free.hpp"
#include "model_verify/joint_model_rule.hpp"
#include "model_verify/model_inconsistency.hpp"
#include "models/known_arguments.hpp"
#include "models/model_lists.hpp"
#include "models/name_clashes.hpp"
#include "models/structure_tests.hpp"
#include "models/tautological_models.hpp"
#include "verify/external_inconsistency.hpp"
#include "verify/joint_inconsistency.hpp"
#include "verify/joint_redundancy.hpp"
#include "verify/numbering.hpp"
#include "verify/redundancy.hpp"
#include "verify/single_condition_rules.hpp"
#include "verify/structural_checks.hpp"
#include "verify/verify_text.hpp"

namespace orve {

bool rule_base_followups(AppState& state, Dialogs& ui) {
    if (!testuj_numery_regul(state, ui)) {
        return false;
    }
    if (!testuj_sprzecznosc_1z(state, ui)) {
        // The inconsistent verdict ends the sequence. The base stays loaded for
        // editing and diagnosis; its askable conditions are recorded without
        // being written, since inspection and flattening of it need them.
        determine_askable_conditions(state.kb.rule, state.askables);
        return false;
    }
    state.opis = (platform_path("..\\ABSTRACTS\\") / (state.wyroznik + ".abs")).string();
    // The facts are checked on the names gathered for the askable list; the
    // redundancy test in between leaves the rules as they are.
    const Names faulty =
        record_askable_conditions(state.kb.rule, state.kb.rule.name->name, state.askables, ui);
    testuj_nadmiar_1(state, ui);
    if (!reject_faulty_facts(faulty, state.kb.rule, state.askables, ui)) {
        return false;
    }
    wykrywanie_warunkow_pojedynczych(state, ui);
    return true;
}

namespace {

// The Model Base inconsistency test with its announcement and verdict.
bool model_base_consistency(AppState& state, Dialogs& ui) {
    const std::string name = loaded_name(state.kb.model.name);
    ui.msg_append("The model base is tested for inconsistencies.\n"
                  "The time needed depends upon the base complexity.\n");
    if (!informuj_sprzecznosc_mz(state, ui)) {
        return false;
    }
    ui.msg_append("Model base " + name + "\nhas no  inconsistencies!\n");
    ui.note("Inconsistencies of Model Base",
            "Elementary Exact Model Base\n    " + name + "\nhas no  inconsistencies!");
    return true;
}

// The joint test of the Model Base and the Rule Base with its announcement
// and verdict.
bool joint_model_rule_consistency(AppState& state, Dialogs& ui) {
    const std::string model = loaded_name(state.kb.model.name);
    const std::string rule = loaded_name(state.kb.rule.name);
    ui.msg_append("The Model Base  " + model + " and Rule Base  " + rule +
                  "\nare tested for joint inconsistencies.\n"
                  "he time needed depends upon the base complexity.\n");
    if (!informuj_sprzecznosc_mr(state, ui)) {
        return false;
    }
    ui.msg_append("Model base:    " + model + "\nand Rule Base: " + rule +
                  "\nhave no  joint inconsistencies!\n");
    ui.note("Joint inconsistencies of Model Base and Rule Base",
            "Elementary Exact Model Base\n    " + model + "\nand Elementary Exact Rule Base\n    " +
                rule + "\nhave no joint inconsistencies!");
    return true;
}

} // namespace

bool model_base_followups(AppState& state, Dialogs& ui) {
    if (!testuj_numery_modeli(state, ui) || !model_base_consistency(state, ui) ||
        !joint_model_rule_consistency(state, ui)) {
        return false;
    }
    rebuild_model_lists(state.kb.model, state.askables);
    model_base_askables(state, ui);
    if (!wnioski_modeli_a_wnioski_regul(state, ui) || !model_structure_tests(state, ui) ||
        !testowanie_dopytywalnosci_argumentow(state.kb.model, state.askables, ui)) {
        return false;
    }
    wykrywanie_modeli_tautologicznych(state, ui);
    // Models sharing a result are refused here already when no Constraint
    // Base will be there to keep them apart.
    return testuj_wyniki_wszystkich_modeli_bez_ograniczen(state, ui);
}

bool constraint_base_checks(AppState& state, Dialogs& ui) {
    return wykrywanie_ograniczen_pojedynczych(state, ui) &&
           kontrola_dopytywalnosci_ograniczen(state, ui);
}

bool constraint_base_followups(AppState& state, Dialogs& ui) {
    // The joint findings belong to the Constraint Base they were made with.
    Findings& f = state.findings;
    f.sprzecznosc_2_wszystko.clear();
    f.regula_splaszczona_s2.clear();
    f.reguly_nadmiarowe_n2.clear();
    f.regula_splaszczona_n2.clear();
    f.zbadany_wniosek.clear();
    if (!testuj_numery_ograniczen(state, ui) || !testuj_wyniki_wszystkich_modeli_z_og(state, ui)) {
        return false;
    }
    // A joint inconsistency ends the sequence: the redundancy offer follows
    // only a consistent or untested pair of bases.
    return testuj_sprzecznosc_2(state, ui) && testuj_nadmiar_2(state, ui);
}

bool advice_base_followups(AppState& state, Dialogs& ui) {
    return testuj_numery_rad(state, ui);
}

} // namespace orve
