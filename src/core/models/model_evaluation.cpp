#include "models/model_evaluation.hpp"

#include "models/model_operations.hpp"
#include "state/condition_names.hpp"

#include <algorithm>

namespace orve {

bool is_applied(const WorkingMemory& memory, int number) {
    const auto& applied = memory.model_stosowany;
    return std::find(applied.begin(), applied.end(), number) != applied.end();
}

std::optional<std::vector<double>> evaluate_all(const Names& names, EvaluationContext& context) {
    std::vector<double> values;
    for (const auto& element : names) {
        const auto value = oblicz(element, context);
        if (!value) {
            return std::nullopt;
        }
        values.push_back(*value);
    }
    return values;
}

bool is_relational_model(const ModelB& model) {
    return is_relation(model.operation);
}

bool is_relational_model(const ModelE& model) {
    return is_interval_relation(model.operation) && model.arguments.size() == 3;
}

std::optional<std::vector<double>> holding_relation(const ModelB& model,
                                                    EvaluationContext& context) {
    auto v = evaluate_all({model.argument1, model.argument2}, context);
    return v && relacja(model.operation, (*v)[0], (*v)[1]) ? v : std::nullopt;
}

std::optional<std::vector<double>> holding_relation(const ModelE& model,
                                                    EvaluationContext& context) {
    auto v = evaluate_all(model.arguments, context);
    return v && relacja_r(model.operation, (*v)[0], (*v)[1], (*v)[2]) ? v : std::nullopt;
}

namespace {

const std::string rule_conditions_count{"number_of_rule_conditions"};

// Keeps a name on the evaluation path while it is being evaluated.
class PathEntry {
  public:
    PathEntry(std::vector<std::string>& path, const std::string& name) : path_(path) {
        path_.push_back(name);
    }
    ~PathEntry() { path_.pop_back(); }
    PathEntry(const PathEntry&) = delete;
    PathEntry& operator=(const PathEntry&) = delete;

  private:
    std::vector<std::string>& path_;
};

template <typename Models> bool produces(const Models& models, const std::string& name) {
    return std::any_of(models.begin(), models.end(),
                       [&](const auto& model) { return model.result == name; });
}

bool is_model_result(const ModelBase& base, const std::string& name) {
    return produces(base.basic, name) || produces(base.extended, name) ||
           produces(base.linear, name) || produces(base.polynomial, name);
}

// The common precondition of every model alternative, tested in this order
// because the go-ahead test may ask the user.
template <typename Model>
bool may_apply(const Model& model, const std::string& name, EvaluationContext& context) {
    return sprawdz(model.go_ahead, context) &&
           context.memory.zmienna_ustalona.find(name) == nullptr &&
           !is_applied(context.memory, model.number);
}

// Explains the model, then records it applied and the value fixed; nothing
// when the explanation refuses the model.
std::optional<double> record_application(ModelKind kind, int number, const std::string& name,
                                         double value, EvaluationContext& context) {
    if (context.hooks.on_applied &&
        !context.hooks.on_applied(AppliedModel{kind, number, name, value, false, {}})) {
        return std::nullopt;
    }
    context.memory.model_stosowany.push_back(number);
    context.memory.zmienna_ustalona.set(name, value);
    return value;
}

std::optional<double> ask_user(const std::string& name, EvaluationContext& context) {
    ReportWriter& out = context.out;
    out.pisz("Declare value of argument:");
    out.pisz(name);
    out.piszcr();
    const auto value = typed_real(out.ui().argument_value(name));
    if (!value) {
        return std::nullopt;
    }
    out.pisz(name);
    out.pisz("=");
    out.piszreal(*value);
    out.piszcr();
    out.piszcr();
    context.memory.zmienna_ustalona.set(name, *value);
    if (context.hooks.check_declared_data && !context.hooks.check_declared_data()) {
        return std::nullopt;
    }
    return value;
}

// Outcome of one model: `decided` ends the search for the name.
struct Attempt {
    bool decided = false;
    std::optional<double> value;
};

Attempt try_basic(const ModelB& model, EvaluationContext& context) {
    const std::string& name = model.result;
    if (is_relation(model.operation) || is_interval_relation(model.operation) ||
        model.operation == rule_conditions_count || !may_apply(model, name, context)) {
        return {};
    }
    const auto a = oblicz(model.argument1, context);
    const auto b = a ? oblicz(model.argument2, context) : std::nullopt;
    if (!b) {
        return {};
    }
    // With both arguments known this model decides the name.
    const auto outcome = wykonaj(model.operation, *a, *b, context.out.ui());
    if (!outcome.value) {
        if (!outcome.fault.empty()) {
            refuse_model(model.number, outcome.fault, context.out.ui());
        }
        return {true, std::nullopt};
    }
    return {true,
            record_application(ModelKind::Basic, model.number, name, *outcome.value, context)};
}

Attempt basic_arithmetic(const std::string& name, EvaluationContext& context) {
    for (const auto& model : context.kb.model.basic) {
        if (model.result != name) {
            continue;
        }
        const Attempt attempt = try_basic(model, context);
        if (attempt.decided) {
            return attempt;
        }
    }
    return {};
}

std::optional<int> conditions_of_rule(const RuleBase& rules, const std::string& number_text) {
    const auto real = text_to_real(number_text);
    const auto number = real ? real_to_integer(*real) : std::nullopt;
    if (!number) {
        return std::nullopt;
    }
    const auto rule = std::find_if(rules.rules.begin(), rules.rules.end(),
                                   [&](const Rule& r) { return r.number == *number; });
    if (rule == rules.rules.end()) {
        return std::nullopt;
    }
    return static_cast<int>(rule->conditions.size());
}

std::optional<double> rule_conditions(const std::string& name, EvaluationContext& context) {
    const auto& basic = context.kb.model.basic;
    const auto model = std::find_if(basic.begin(), basic.end(), [&](const ModelB& m) {
        return m.result == name && m.operation == rule_conditions_count && m.argument2 == "0";
    });
    if (model == basic.end() || !sprawdz(model->go_ahead, context)) {
        return std::nullopt;
    }
    const auto count = conditions_of_rule(context.kb.rule, model->argument1);
    if (!count) {
        return std::nullopt;
    }
    return record_application(ModelKind::Basic, model->number, name, *count, context);
}

// Reports a refusal with a cause; true when the outcome holds a value.
bool accepted(const OperationOutcome& outcome, int number, EvaluationContext& context) {
    if (!outcome.value && !outcome.fault.empty()) {
        refuse_model(number, outcome.fault, context.out.ui());
    }
    return outcome.value.has_value();
}

std::optional<double> finish_list_model(ModelKind kind, int number, const std::string& name,
                                        double value, EvaluationContext& context) {
    context.out.piszcr();
    return record_application(kind, number, name, value, context);
}

std::optional<double> try_extended(const ModelE& model, EvaluationContext& context) {
    if (is_relation(model.operation) || is_interval_relation(model.operation) ||
        !may_apply(model, model.result, context)) {
        return std::nullopt;
    }
    auto values = evaluate_all(model.arguments, context);
    if (!values) {
        return std::nullopt;
    }
    // The values are combined last argument first.
    std::reverse(values->begin(), values->end());
    const auto outcome = wykonaj_r(model.operation, *values);
    if (!accepted(outcome, model.number, context)) {
        return std::nullopt;
    }
    return finish_list_model(ModelKind::Extended, model.number, model.result, *outcome.value,
                             context);
}

std::optional<double> try_linear(const ModelLin& model, EvaluationContext& context) {
    if (!may_apply(model, model.result, context)) {
        return std::nullopt;
    }
    auto coefficients = evaluate_all(model.coefficients, context);
    auto variables = coefficients ? evaluate_all(model.variables, context) : std::nullopt;
    if (!variables) {
        return std::nullopt;
    }
    std::reverse(coefficients->begin(), coefficients->end());
    std::reverse(variables->begin(), variables->end());
    const auto outcome = wykonaj_liniowy(*coefficients, *variables, 0.0);
    if (!accepted(outcome, model.number, context)) {
        return std::nullopt;
    }
    return finish_list_model(ModelKind::Linear, model.number, model.result, *outcome.value,
                             context);
}

std::optional<double> try_polynomial(const ModelPoly& model, EvaluationContext& context) {
    if (!may_apply(model, model.result, context)) {
        return std::nullopt;
    }
    const auto coefficients = evaluate_all(model.coefficients, context);
    const auto x = coefficients ? oblicz(model.variable, context) : std::nullopt;
    if (!x) {
        return std::nullopt;
    }
    const auto outcome = wykonaj_wielomianowy(model.powers, *coefficients, *x, 0.0);
    if (!accepted(outcome, model.number, context)) {
        return std::nullopt;
    }
    return finish_list_model(ModelKind::Polynomial, model.number, model.result, *outcome.value,
                             context);
}

// The first model of the list with this result that gives a value.
template <typename Model, typename Try>
std::optional<double> first_value(const std::vector<Model>& models, const std::string& name,
                                  Try attempt, EvaluationContext& context) {
    for (const auto& model : models) {
        if (model.result != name) {
            continue;
        }
        if (auto value = attempt(model, context)) {
            return value;
        }
    }
    return std::nullopt;
}

// Alternatives 4 to 8: the models that produce the name.
std::optional<double> by_models(const std::string& name, EvaluationContext& context) {
    const Attempt basic = basic_arithmetic(name, context);
    if (basic.decided) {
        return basic.value;
    }
    if (auto value = rule_conditions(name, context)) {
        return value;
    }
    if (auto value = first_value(context.kb.model.extended, name, try_extended, context)) {
        return value;
    }
    if (auto value = first_value(context.kb.model.linear, name, try_linear, context)) {
        return value;
    }
    return first_value(context.kb.model.polynomial, name, try_polynomial, context);
}

} // namespace

std::optional<double> oblicz(const std::string& name, EvaluationContext& context) {
    // A known value is returned even to a path that is still evaluating it.
    if (const double* fixed = context.memory.zmienna_ustalona.find(name)) {
        return *fixed;
    }
    auto& path = context.path;
    if (std::find(path.begin(), path.end(), name) != path.end()) {
        return std::nullopt; // a model that needs its own result
    }
    const PathEntry entry(path, name);
    if (!is_model_result(context.kb.model, name)) {
        if (const auto literal = text_to_real(name)) {
            context.memory.zmienna_ustalona.set(name, *literal);
            return literal;
        }
        return ask_user(name, context);
    }
    return by_models(name, context);
}

bool sprawdz(const std::string& condition, EvaluationContext& context) {
    if (condition == no_condition_name || context.memory.prawda.contains(condition)) {
        return true;
    }
    if (context.memory.nieprawda.contains(condition)) {
        return false;
    }
    return context.hooks.resolve_condition && context.hooks.resolve_condition(condition);
}

std::optional<double> apply_model(const ModelB& model, EvaluationContext& context) {
    // On the path like a name being evaluated, so that a model needing its
    // own result fails as it does in evaluation.
    const PathEntry entry(context.path, model.result);
    return try_basic(model, context).value;
}

std::optional<double> apply_model(const ModelE& model, EvaluationContext& context) {
    const PathEntry entry(context.path, model.result);
    return try_extended(model, context);
}

std::optional<double> apply_model(const ModelLin& model, EvaluationContext& context) {
    const PathEntry entry(context.path, model.result);
    return try_linear(model, context);
}

std::optional<double> apply_model(const ModelPoly& model, EvaluationContext& context) {
    const PathEntry entry(context.path, model.result);
    return try_polynomial(model, context);
}

void refuse_model(int number, const std::string& cause, Dialogs& ui) {
    ui.note("Attention!",
            "Model " + std::to_string(number) + " cannot be applied:\n" + cause + ".");
}

} // namespace orve
