// The name lists derived from a loaded Model Base, and the askable lists that
// combine it with the Rule Base.
#pragma once

#include "askables/askable_lists.hpp"
#include "kb/knowledge_base.hpp"
#include "report/dialogs.hpp"
#include "state/app_state.hpp"

namespace orve {

// The variables and the results of one model kind (`zmienne`, `wyniki`).
struct ModelKindNames {
    Names variables; // no duplicates, no numeric literals, no "No condition"
    Names results;
};

// `model_argumenty`, `model_arytmetyczny`, `model_wszelaki`, `model_relacyjny`:
// every match in Model Base order, duplicates kept.
Names model_argumenty(const ModelBase& base);
Names model_arytmetyczny(const ModelBase& base);
Names model_wszelaki(const ModelBase& base);
Names model_relacyjny(const ModelBase& base);

// The variables and results records, one per model kind that has models.
std::vector<ModelKindNames> model_variables_and_results(const ModelBase& base);
// The askable conditions and arguments of the Model Base, sorted.
Names askable_model_arguments(const ModelBase& base, const RuleBase& rules);

// The four `wyznacz_i_pamietaj_*` operations in one: rebuilds the model
// arguments, results, go-ahead conditions and conclusions lists.
void rebuild_model_lists(const ModelBase& base, AskableLists& lists);
// `wyznacz_dopytywalne_zmienne`: rebuilds `lista_argumentow_dopytywalnych`.
void wyznacz_dopytywalne_zmienne(const KnowledgeBaseSet& kb, AskableLists& lists);
// `redukuj_warunki_dopytywalne`: the Rule Base's askable conditions without
// the model conclusions, recorded for display.
void redukuj_warunki_dopytywalne(AskableLists& lists);
// `wyznacz_warunki_i_argumenty_dopytywalne`: the joint askable lists of a Rule
// Base and a Model Base, written to the message window.
void wyznacz_warunki_i_argumenty_dopytywalne(const KnowledgeBaseSet& kb, AskableLists& lists,
                                             Dialogs& ui);
// The askable steps of a Model Base load, after the derived lists.
void model_base_askables(AppState& state, Dialogs& ui);

} // namespace orve
