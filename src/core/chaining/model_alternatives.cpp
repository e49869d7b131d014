#include "chaining/model_alternatives.hpp"

#include "chaining/condition_tests.hpp"
#include "chaining/declared_data.hpp"
#include "chaining/media_offers.hpp"
#include "chaining/model_context.hpp"
#include "chaining/model_explanation_relational.hpp"

#include <algorithm>
#include <functional>
#include <optional>
#include <vector>

namespace orve {

namespace {

// The first model of the list, in file order, that evaluation applies.
template <typename Model>
bool apply_first(AppState& state, Dialogs& ui, const std::vector<Model>& models) {
    ChainingEvaluation evaluation(state, ui);
    return std::any_of(models.begin(), models.end(), [&](const Model& model) {
        return apply_model(model, evaluation.context()).has_value();
    });
}

// Tested in this order because the go-ahead test may ask the user.
template <typename Model> bool may_conclude(const Model& model, EvaluationContext& context) {
    return sprawdz(model.go_ahead, context) && !context.memory.prawda.contains(model.result) &&
           !is_applied(context.memory, model.number);
}

// A relation that holds establishes its conclusion; the media follow an
// explanation that did not fail in its rating.
void conclude(AppState& state, Dialogs& ui, int number, const std::string& conclusion,
              const std::function<bool()>& explain) {
    przedstawienie_faktow(state, ui);
    przedstawienie_zmiennych(state, ui);
    state.memory.prawda.add(conclusion);
    state.memory.model_stosowany.push_back(number);
    state.memory.last_run.model_fired(number, conclusion);
    if (!explain()) {
        return;
    }
    udziel_rady(state, ui, number, conclusion);
    wyswietl_grafike(state, ui, number, conclusion);
    przesluchaj_melodie(state, ui, number, conclusion);
}

} // namespace

bool apply_basic_arithmetic_model(AppState& state, Dialogs& ui) {
    return apply_first(state, ui, state.kb.model.basic);
}

bool apply_extended_arithmetic_model(AppState& state, Dialogs& ui) {
    return apply_first(state, ui, state.kb.model.extended);
}

bool apply_linear_model(AppState& state, Dialogs& ui) {
    return apply_first(state, ui, state.kb.model.linear);
}

bool apply_polynomial_model(AppState& state, Dialogs& ui) {
    return apply_first(state, ui, state.kb.model.polynomial);
}

bool apply_basic_relational_model(AppState& state, Dialogs& ui) {
    ChainingEvaluation evaluation(state, ui);
    auto& context = evaluation.context();
    for (const auto& m : state.kb.model.basic) {
        if (!is_relational_model(m) || !may_conclude(m, context)) {
            continue;
        }
        const auto v = run_to_end(holding_relation(m, context));
        if (!v) {
            continue; // a relation that does not hold leaves the conclusion unknown
        }
        conclude(state, ui, m.number, m.result, [&] {
            return wyjasnienie_model_relacyjny(state, ui, m.number, m.result, (*v)[0], (*v)[1]);
        });
        return true;
    }
    return false;
}

bool apply_extended_relational_model(AppState& state, Dialogs& ui) {
    ChainingEvaluation evaluation(state, ui);
    auto& context = evaluation.context();
    for (const auto& m : state.kb.model.extended) {
        if (!is_relational_model(m) || !may_conclude(m, context)) {
            continue;
        }
        const auto v = run_to_end(holding_relation(m, context));
        if (!v) {
            continue;
        }
        conclude(state, ui, m.number, m.result, [&] {
            return wyjasnienie_model_relacyjny_r(state, ui, m.number, m.result, (*v)[0], (*v)[1],
                                                 (*v)[2]);
        });
        return true;
    }
    return false;
}

} // namespace orve
