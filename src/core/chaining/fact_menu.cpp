#include "chaining/fact_menu.hpp"

#include "askables/list_helpers.hpp"
#include "chaining/asking.hpp"
#include "chaining/condition_tests.hpp"
#include "report/number_format.hpp"
#include "state/condition_names.hpp"

#include <algorithm>

namespace orve {

namespace {

// The `fact` and `m_fact` clauses.
Names declared_facts(const KnowledgeBaseSet& kb) {
    Names facts = kb.rule.facts;
    facts.insert(facts.end(), kb.model.m_facts.begin(), kb.model.m_facts.end());
    return facts;
}

bool shares_a_name(const Names& a, const Names& b) {
    return std::any_of(a.begin(), a.end(), [&](const std::string& name) {
        return std::find(b.begin(), b.end(), name) != b.end();
    });
}

// One "Pick a fact" dialogue for a constraint without declared facts: the
// picked condition becomes true, the others that are not true false.
void pick_from_constraint(AppState& state, Dialogs& ui, const Constraint& constraint) {
    const std::string number = format_int(constraint.number);
    const Names& lines = constraint.conditions;
    const int position = ui.pick_fact(
        {"Mutually exclusive conditions for the constraint " + number,
         "Choose a fact from the list of conditions for the constraint " + number, lines});
    const auto last = static_cast<int>(lines.size());
    pamietaj(state, lines[static_cast<std::size_t>(std::clamp(position, 1, last) - 1)], true);
    pamietaj_warunki_nie_bedace_faktami(state.memory, lines);
}

// Step 1 and 2: the constraint dialogues, then the list of all conditions
// that occur in constraints.
void declare_constraint_facts(AppState& state, Dialogs& ui, const Names& facts) {
    std::vector<Names> condition_lists;
    for (const auto& constraint : state.kb.constraint.constraints) {
        if (!constraint.conditions.empty() && !shares_a_name(constraint.conditions, facts)) {
            pick_from_constraint(state, ui, constraint);
        }
        condition_lists.push_back(constraint.conditions);
    }
    state.memory.lista_warunkow_uwzglednionych_ograniczen =
        usuniecie_list_wewnetrznych(condition_lists);
}

void pick_askable_facts(AppState& state, Dialogs& ui, const Names& candidates) {
    const std::string title = "Choose facts from askable conditions!";
    for (const int index : ui.pick_facts({title, title, candidates})) {
        if (index >= 0 && static_cast<std::size_t>(index) < candidates.size()) {
            pamietaj(state, candidates[static_cast<std::size_t>(index)], true);
        }
    }
    pamietaj_warunki_nie_bedace_faktami(state.memory, candidates);
}

// Writes the texts line by line and shows them joined in a note.
void tell(Dialogs& ui, const std::vector<std::string>& texts) {
    std::string note;
    for (const auto& text : texts) {
        note += text;
        ui.msg_append((text.front() == '\n' ? text.substr(1) : text) + "\n");
    }
    ui.note("Attention!", note);
}

// No askable condition is left to offer.
void explain_nothing_to_pick(const AppState& state, Dialogs& ui) {
    if (!state.kb.rule.facts.empty()) {
        tell(ui, {"Logical values for askable conditions have been declared ",
                  "\nin the rule base using clauses 'fact(_)'. Only values for",
                  "\naskable arguments remain to be declared, similarly as for",
                  "the option 'Query Mode' from the 'FACT DECLARATION MODE MENU'."});
        return;
    }
    // "No condition" is true in every run; any other true condition came from
    // a constraint dialogue, which leaves nothing to explain.
    const auto& truths = state.memory.prawda.items();
    const bool none_true = std::all_of(truths.begin(), truths.end(), [](const std::string& name) {
        return name == no_condition_name;
    });
    if (none_true) {
        tell(ui,
             {"The Rule Base has no askable conditions!",
              "This is acceptable. To declare values for", "\naskable arguments, choose the option",
              "'Query Mode' from the", "'FACT DECLARATION MODE MENU'"});
    }
}

} // namespace

bool declare_facts_by_menu(AppState& state, Dialogs& ui) {
    const Names facts = declared_facts(state.kb);
    declare_constraint_facts(state, ui, facts);
    const Names candidates =
        roznica_zbiorow(roznica_zbiorow(ogolna_lista_dopytywalnych(state.askables),
                                        state.memory.lista_warunkow_uwzglednionych_ograniczen),
                        facts);
    if (candidates.empty()) {
        explain_nothing_to_pick(state, ui);
        return false;
    }
    pick_askable_facts(state, ui, candidates);
    return true;
}

} // namespace orve
