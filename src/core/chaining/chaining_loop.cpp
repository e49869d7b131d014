#include "chaining/chaining_loop.hpp"

#include "chaining/condition_tests.hpp"
#include "chaining/forward_endings.hpp"
#include "chaining/media_offers.hpp"
#include "chaining/model_alternatives.hpp"
#include "chaining/rule_agenda.hpp"
#include "chaining/rule_explanation.hpp"
#include "state/condition_names.hpp"

#include <array>

namespace orve {

namespace {

using Alternative = bool (*)(AppState&, Dialogs&);

// The alternatives after the rules, in the order they are tried.
constexpr std::array<Alternative, 6> model_alternatives{
    apply_basic_arithmetic_model, apply_extended_arithmetic_model, apply_linear_model,
    apply_polynomial_model,       apply_basic_relational_model,    apply_extended_relational_model};

bool apply_a_model(AppState& state, Dialogs& ui) {
    for (const Alternative alternative : model_alternatives) {
        if (alternative(state, ui)) {
            return true;
        }
    }
    return false;
}

// Offers the models by result to evaluation while the loop runs.
class LookupInUse {
  public:
    explicit LookupInUse(AppState& state) : state_(state), lookup_(state.kb.model) {
        state_.model_lookup = &lookup_;
    }
    ~LookupInUse() { state_.model_lookup = nullptr; }
    LookupInUse(const LookupInUse&) = delete;
    LookupInUse& operator=(const LookupInUse&) = delete;

  private:
    AppState& state_;
    ModelLookup lookup_;
};

} // namespace

void fire_rule(AppState& state, Dialogs& ui, const Rule& rule) {
    przedstawienie_faktow(state, ui);
    wyjasnienie_rule(state, ui, rule.number, rule.conclusion, rule.conditions);
    state.memory.prawda.add(rule.conclusion);
    state.memory.last_run.rule_fired(static_cast<std::size_t>(&rule - state.kb.rule.rules.data()),
                                     rule.number, rule.conclusion);
    udziel_rady(state, ui, rule.number, rule.conclusion);
    wyswietl_grafike(state, ui, rule.number, rule.conclusion);
    przesluchaj_melodie(state, ui, rule.number, rule.conclusion);
}

void chaining_passes(AppState& state, Dialogs& ui) {
    // One pass per iteration: a firing starts the next pass from the first
    // rule, without recursion, so that long chains need no stack.
    const LookupInUse lookup(state);
    // A rule fires at most once a run: room for every rule's conclusion and
    // record up front spares copying both lists as a long run grows them.
    const std::size_t rules = state.kb.rule.rules.size();
    state.memory.prawda.reserve(state.memory.prawda.items().size() + rules);
    auto& derivations = state.memory.last_run.derivations;
    derivations.reserve(derivations.size() + rules);
    RuleAgenda agenda(state.kb.rule.rules, state.memory);
    while (!state.memory.prawda.contains(end_name)) {
        if (const Rule* rule = agenda.first_applicable(state, ui)) {
            fire_rule(state, ui, *rule);
        } else if (!apply_a_model(state, ui)) {
            return;
        }
    }
}

bool wnioskowanie_cd(AppState& state, Dialogs& ui) {
    chaining_passes(state, ui);
    if (state.memory.prawda.contains(end_name)) {
        end_ending(state, ui);
        return true;
    }
    return normal_ending(state, ui);
}

} // namespace orve
