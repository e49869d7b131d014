#include "chaining/backward_models.hpp"

#include "chaining/backward_asking.hpp"
#include "chaining/backward_verify.hpp"
#include "chaining/condition_tests.hpp"
#include "chaining/declared_data.hpp"
#include "chaining/model_context.hpp"
#include "chaining/model_explanation.hpp"
#include "chaining/model_explanation_relational.hpp"
#include "models/model_evaluation.hpp"
#include "models/model_operations.hpp"

#include <algorithm>
#include <optional>

namespace orve {

namespace {

// Keeps the name on the path of the search while its models are tried, so
// that verifying their go-ahead conditions cannot come back to it.
class OnPath {
  public:
    OnPath(BackwardRun& run, const std::string& name)
        : run_(run), name_(name), added_(run.verifying.insert(name).second) {}
    ~OnPath() {
        if (added_) {
            run_.verifying.erase(name_);
        }
    }
    OnPath(const OnPath&) = delete;
    OnPath& operator=(const OnPath&) = delete;

  private:
    BackwardRun& run_;
    std::string name_;
    bool added_;
};

// Unknown go-ahead conditions are verified as sub-hypotheses; an askable one
// is thereby asked with the backward question, which offers WHY?.
ConditionResolver verify_backward(AppState& state, Dialogs& ui, BackwardRun& run) {
    return [&state, &ui, &run](const std::string& condition) {
        return verify_name(state, ui, run, condition);
    };
}

bool is_arithmetical(const std::string& operation) {
    return !is_relation(operation) && !is_interval_relation(operation);
}

const ModelLookup& lookup_of(const AppState& state, BackwardRun& run) {
    if (!run.model_lookup) {
        run.model_lookup.emplace(state.kb.model);
    }
    return *run.model_lookup;
}

template <typename Models>
bool any_arithmetical(const Models& models, const ModelPositions& positions) {
    return std::any_of(positions.begin(), positions.end(),
                       [&](std::size_t i) { return is_arithmetical(models[i].operation); });
}

bool computed_by_a_model(const ModelBase& base, const ModelLookup& lookup,
                         const std::string& name) {
    return any_arithmetical(base.basic, lookup.basic(name)) ||
           any_arithmetical(base.extended, lookup.extended(name)) || !lookup.linear(name).empty() ||
           !lookup.polynomial(name).empty();
}

// The checks a relational model passes before its arguments are evaluated,
// in this order because the go-ahead test may ask the user.
template <typename Model>
Task<bool> may_conclude(const Model& model, const std::string& name, EvaluationContext& context) {
    const bool go_ahead = co_await sprawdz_task(model.go_ahead, context);
    co_return go_ahead && !context.memory.prawda.contains(name) &&
        !is_applied(context.memory, model.number);
}

// Records what a relational model established and tells the user.
void establish(AppState& state, Dialogs& ui, BackwardRun& run, int number,
               const std::string& name) {
    przedstawienie_faktow(state, ui);
    przedstawienie_zmiennych(state, ui);
    komunikat(state, ui, run, name);
    state.memory.prawda.add(name);
    run.numer_prawda.insert(run.numer_prawda.begin(), {number, name});
    state.memory.last_run.model_fired(number, name);
    state.memory.model_stosowany.push_back(number);
}

// The conclusion is recorded before the explanation, so a failed rating does
// not take it back: the model has established the name either way.
Task<bool> basic_relational(AppState& state, Dialogs& ui, BackwardRun& run,
                            EvaluationContext& context, const std::string& name) {
    const ModelPositions& positions = context.lookup->basic(name);
    for (const std::size_t position : positions) {
        const ModelB& model = state.kb.model.basic[position];
        if (!is_relational_model(model)) {
            continue;
        }
        const bool may = co_await may_conclude(model, name, context);
        if (!may) {
            continue;
        }
        const auto v = co_await holding_relation(model, context);
        if (!v) {
            continue;
        }
        establish(state, ui, run, model.number, name);
        wyjasnienie_model_relacyjny(state, ui, model.number, name, (*v)[0], (*v)[1]);
        co_return true;
    }
    co_return false;
}

Task<bool> extended_relational(AppState& state, Dialogs& ui, BackwardRun& run,
                               EvaluationContext& context, const std::string& name) {
    const ModelPositions& positions = context.lookup->extended(name);
    for (const std::size_t position : positions) {
        const ModelE& model = state.kb.model.extended[position];
        if (!is_relational_model(model)) {
            continue;
        }
        const bool may = co_await may_conclude(model, name, context);
        if (!may) {
            continue;
        }
        const auto v = co_await holding_relation(model, context);
        if (!v) {
            continue;
        }
        establish(state, ui, run, model.number, name);
        wyjasnienie_model_relacyjny_r(state, ui, model.number, name, (*v)[0], (*v)[1], (*v)[2]);
        co_return true;
    }
    co_return false;
}

// A value for the WHY? explanation of a model not applied yet: the fixed
// value, or the literal's own value; 0 when the name is still unknown.
double value_for_why(const WorkingMemory& memory, const std::string& name) {
    if (const double* fixed = memory.zmienna_ustalona.find(name)) {
        return *fixed;
    }
    return text_to_real(name).value_or(0.0);
}

template <typename Models>
const typename Models::value_type* arithmetical_with_go_ahead(const Models& models,
                                                              const std::string& condition) {
    const auto found = std::find_if(models.begin(), models.end(), [&](const auto& model) {
        return model.go_ahead == condition && is_arithmetical(model.operation);
    });
    return found == models.end() ? nullptr : &*found;
}

const ModelB* relational_with_go_ahead(const ModelBase& base, const std::string& condition) {
    const auto found = std::find_if(base.basic.begin(), base.basic.end(), [&](const ModelB& m) {
        return m.go_ahead == condition && is_relation(m.operation);
    });
    return found == base.basic.end() ? nullptr : &*found;
}

// Explains the first model whose go-ahead condition this is; false when
// there is none of the three kinds.
bool explain_go_ahead_model(AppState& state, Dialogs& ui, const std::string& condition) {
    const ModelBase& base = state.kb.model;
    const WorkingMemory& memory = state.memory;
    const auto why = [&] { ReportWriter(state.report, ui).pisz("    WHY?"); };
    if (const ModelB* model = arithmetical_with_go_ahead(base.basic, condition)) {
        why();
        wyjasnienie_model_matematyczny(state, ui, model->number, model->result,
                                       value_for_why(memory, model->result));
        return true;
    }
    if (const ModelE* model = arithmetical_with_go_ahead(base.extended, condition)) {
        why();
        wyjasnienie_model_matematyczny_2(state, ui, model->number, model->result,
                                         value_for_why(memory, model->result));
        return true;
    }
    if (const ModelB* model = relational_with_go_ahead(base, condition)) {
        why();
        wyjasnienie_model_relacyjny(state, ui, model->number, model->result,
                                    value_for_why(memory, model->argument1),
                                    value_for_why(memory, model->argument2));
        return true;
    }
    return false;
}

} // namespace

Task<bool> backward_arithmetic_model(AppState& state, Dialogs& ui, BackwardRun& run,
                                     const std::string& name) {
    const ModelLookup& lookup = lookup_of(state, run);
    if (state.memory.zmienna_ustalona.find(name) != nullptr ||
        !computed_by_a_model(state.kb.model, lookup, name)) {
        co_return false;
    }
    const OnPath on_path(run, name);
    ChainingEvaluation evaluation(state, ui, verify_backward(state, ui, run));
    evaluation.context().lookup = &lookup;
    // Evaluation tries the four kinds in their order; the hook presents the
    // values and explains the model that applies.
    const auto value = co_await oblicz_task(name, evaluation.context());
    co_return value.has_value();
}

Task<bool> backward_relational_model(AppState& state, Dialogs& ui, BackwardRun& run,
                                     const std::string& name) {
    const OnPath on_path(run, name);
    ChainingEvaluation evaluation(state, ui, verify_backward(state, ui, run));
    evaluation.context().lookup = &lookup_of(state, run);
    const bool basic = co_await basic_relational(state, ui, run, evaluation.context(), name);
    if (basic) {
        co_return true;
    }
    co_return co_await extended_relational(state, ui, run, evaluation.context(), name);
}

bool explain_model_for_why(AppState& state, Dialogs& ui, BackwardRun& run,
                           const std::string& condition) {
    if (!explain_go_ahead_model(state, ui, condition)) {
        return false;
    }
    // The facts at the high level of detail, whatever level the run uses.
    const DetailLevel previous = state.report.detail;
    state.report.detail = DetailLevel::High;
    przedstawienie_faktow(state, ui);
    state.report.detail = previous;
    ReportWriter(state.report, ui).piszcr();
    przebieg_wnioskowania_reguly(state, ui,
                                 {run.regula_stosowana.begin(), run.regula_stosowana.end()});
    przebieg_wnioskowania_modele(state, ui, state.memory.model_stosowany);
    return true;
}

} // namespace orve
