#include "kb/load_followups.hpp"

#include "askables/askable_lists.hpp"
#include "kb/file_lookup.hpp"
#include "verify/external_inconsistency.hpp"
#include "verify/joint_inconsistency.hpp"
#include "verify/joint_redundancy.hpp"
#include "verify/numbering.hpp"
#include "verify/redundancy.hpp"
#include "verify/structural_checks.hpp"

namespace orve {

bool rule_base_followups(AppState& state, Dialogs& ui) {
    if (!testuj_numery_regul(state, ui)) {
        return false;
    }
    // An inconsistent base stays loaded: its verdict bars chaining and the
    // dependent bases, while inspection and flattening still need the askables.
    testuj_sprzecznosc_1z(state, ui);
    state.opis = (platform_path("..\\ABSTRACTS\\") / (state.wyroznik + ".abs")).string();
    record_askable_conditions(state.kb.rule, state.kb.rule.name->name, state.askables, ui);
    // Offered for every base; on an externally inconsistent one the test
    // itself does nothing.
    testuj_nadmiar_1(state, ui);
    if (!testowanie_dopytywalnosci_faktow(state.kb.rule, state.askables, ui)) {
        return false;
    }
    wykrywanie_warunkow_pojedynczych(state, ui);
    return true;
}

bool model_base_followups(AppState& state, Dialogs& ui) {
    return testuj_numery_modeli(state, ui);
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
    if (!testuj_numery_ograniczen(state, ui)) {
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
