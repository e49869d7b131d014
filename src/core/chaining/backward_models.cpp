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
        return weryfikowanie_hipotezy_cd(state, ui, run, condition);
    };
}

bool is_arithmetical(const std::string& operation) {
    return !is_relation(operation) && !is_interval_relation(operation);
}

template <typename Models> bool any_result(const Models& models, const std::string& name) {
    return std::any_of(models.begin(), models.end(),
                       [&](const auto& model) { return model.result == name; });
}

bool computed_by_a_model(const ModelBase& base, const std::string& name) {
    const auto arithmetical = [&](const auto& model) {
        return model.result == name && is_arithmetical(model.operation);
    };
    return std::any_of(base.basic.begin(), base.basic.end(), arithmetical) ||
           std::any_of(base.extended.begin(), base.extended.end(), arithmetical) ||
           any_result(base.linear, name) || any_result(base.polynomial, name);
}

// The checks a relational model passes before its arguments are evaluated,
// in this order because the go-ahead test may ask the user.
template <typename Model>
bool may_conclude(const Model& model, const std::string& name, EvaluationContext& context) {
    return sprawdz(model.go_ahead, context) && !context.memory.prawda.contains(name) &&
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
    state.memory.model_stosowany.push_back(number);
}

// The conclusion is recorded before the explanation, so a failed rating does
// not take it back: the model has established the name either way.
bool basic_relational(AppState& state, Dialogs& ui, BackwardRun& run, EvaluationContext& context,
                      const std::string& name) {
    for (const auto& model : state.kb.model.basic) {
        if (model.result != name || !is_relational_model(model) ||
            !may_conclude(model, name, context)) {
            continue;
        }
        const auto v = holding_relation(model, context);
        if (!v) {
            continue;
        }
        establish(state, ui, run, model.number, name);
        wyjasnienie_model_relacyjny(state, ui, model.number, name, (*v)[0], (*v)[1]);
        return true;
    }
    return false;
}

bool extended_relational(AppState& state, Dialogs& ui, BackwardRun& run, EvaluationContext& context,
                         const std::string& name) {
    for (const auto& model : state.kb.model.extended) {
        if (model.result != name || !is_relational_model(model) ||
            !may_conclude(model, name, context)) {
            continue;
        }
        const auto v = holding_relation(model, context);
        if (!v) {
            continue;
        }
        establish(state, ui, run, model.number, name);
        wyjasnienie_model_relacyjny_r(state, ui, model.number, name, (*v)[0], (*v)[1], (*v)[2]);
        return true;
    }
    return false;
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

bool backward_arithmetic_model(AppState& state, Dialogs& ui, BackwardRun& run,
                               const std::string& name) {
    if (state.memory.zmienna_ustalona.find(name) != nullptr ||
        !computed_by_a_model(state.kb.model, name)) {
        return false;
    }
    const OnPath on_path(run, name);
    ChainingEvaluation evaluation(state, ui, verify_backward(state, ui, run));
    // Evaluation tries the four kinds in their order; the hook presents the
    // values and explains the model that applies.
    return oblicz(name, evaluation.context()).has_value();
}

bool backward_relational_model(AppState& state, Dialogs& ui, BackwardRun& run,
                               const std::string& name) {
    const OnPath on_path(run, name);
    ChainingEvaluation evaluation(state, ui, verify_backward(state, ui, run));
    return basic_relational(state, ui, run, evaluation.context(), name) ||
           extended_relational(state, ui, run, evaluation.context(), name);
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
