#include "models/model_evaluation.hpp"

#include "models/model_operations.hpp"
#include "state/condition_names.hpp"

#include <algorithm>

namespace orve {

bool is_applied(const WorkingMemory& memory, int number) {
    const auto& applied = memory.model_stosowany;
    return std::find(applied.begin(), applied.end(), number) != applied.end();
}

Task<std::optional<std::vector<double>>> evaluate_all(const Names& names,
                                                      EvaluationContext& context) {
    std::vector<double> values;
    for (const auto& element : names) {
        const auto value = co_await oblicz_task(element, context);
        if (!value) {
            co_return std::nullopt;
        }
        values.push_back(*value);
    }
    co_return values;
}

bool is_relational_model(const ModelB& model) {
    return is_relation(model.operation);
}

bool is_relational_model(const ModelE& model) {
    return is_interval_relation(model.operation) && model.arguments.size() == 3;
}

Task<std::optional<std::vector<double>>> holding_relation(const ModelB& model,
                                                          EvaluationContext& context) {
    const Names arguments{model.argument1, model.argument2};
    auto v = co_await evaluate_all(arguments, context);
    if (!v || !relacja(model.operation, (*v)[0], (*v)[1])) {
        co_return std::nullopt;
    }
    co_return v;
}

Task<std::optional<std::vector<double>>> holding_relation(const ModelE& model,
                                                          EvaluationContext& context) {
    auto v = co_await evaluate_all(model.arguments, context);
    if (!v || !relacja_r(model.operation, (*v)[0], (*v)[1], (*v)[2])) {
        co_return std::nullopt;
    }
    co_return v;
}

namespace {

const std::string rule_conditions_count{"number_of_rule_conditions"};

// Keeps a name on the evaluation path while it is being evaluated.
class PathEntry {
  public:
    PathEntry(std::unordered_multiset<std::string>& path, const std::string& name)
        : path_(path), entry_(path.insert(name)) {}
    ~PathEntry() { path_.erase(entry_); }
    PathEntry(const PathEntry&) = delete;
    PathEntry& operator=(const PathEntry&) = delete;

  private:
    std::unordered_multiset<std::string>& path_;
    std::unordered_multiset<std::string>::iterator entry_;
};

template <typename Models> bool produces(const Models& models, const std::string& name) {
    return std::any_of(models.begin(), models.end(),
                       [&](const auto& model) { return model.result == name; });
}

bool is_model_result(const EvaluationContext& context, const std::string& name) {
    const ModelBase& base = context.kb.model;
    if (const ModelLookup* lookup = context.lookup) {
        return !lookup->basic(name).empty() || !lookup->extended(name).empty() ||
               !lookup->linear(name).empty() || !lookup->polynomial(name).empty();
    }
    return produces(base.basic, name) || produces(base.extended, name) ||
           produces(base.linear, name) || produces(base.polynomial, name);
}

// The common precondition of every model alternative, tested in this order
// because the go-ahead test may ask the user.
template <typename Model>
Task<bool> may_apply(const Model& model, const std::string& name, EvaluationContext& context) {
    const bool go_ahead = co_await sprawdz_task(model.go_ahead, context);
    if (!go_ahead) {
        co_return false;
    }
    co_return context.memory.zmienna_ustalona.find(name) == nullptr &&
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

Task<std::optional<double>> ask_user(const std::string& name, EvaluationContext& context) {
    ReportWriter& out = context.out;
    out.pisz("Declare value of argument:");
    out.pisz(name);
    out.piszcr();
    const auto value = typed_real(out.ui().argument_value(name));
    if (!value) {
        co_return std::nullopt;
    }
    out.pisz(name);
    out.pisz("=");
    out.piszreal(*value);
    out.piszcr();
    out.piszcr();
    context.memory.zmienna_ustalona.set(name, *value);
    if (context.hooks.check_declared_data) {
        const bool stands = co_await context.hooks.check_declared_data();
        if (!stands) {
            co_return std::nullopt;
        }
    }
    co_return value;
}

// Outcome of one model: `decided` ends the search for the name.
struct Attempt {
    bool decided = false;
    std::optional<double> value;
};

bool is_arithmetical_basic(const ModelB& model) {
    return !is_relation(model.operation) && !is_interval_relation(model.operation) &&
           model.operation != rule_conditions_count;
}

Task<Attempt> try_basic(const ModelB& model, EvaluationContext& context) {
    const std::string& name = model.result;
    if (!is_arithmetical_basic(model)) {
        co_return Attempt{};
    }
    const bool may = co_await may_apply(model, name, context);
    if (!may) {
        co_return Attempt{};
    }
    const auto a = co_await oblicz_task(model.argument1, context);
    if (!a) {
        co_return Attempt{};
    }
    const auto b = co_await oblicz_task(model.argument2, context);
    if (!b) {
        co_return Attempt{};
    }
    // With both arguments known this model decides the name.
    const auto outcome = wykonaj(model.operation, *a, *b, context.out.ui());
    if (!outcome.value) {
        if (!outcome.fault.empty()) {
            refuse_model(model.number, outcome.fault, context.out.ui());
        }
        co_return Attempt{true, std::nullopt};
    }
    co_return Attempt{
        true, record_application(ModelKind::Basic, model.number, name, *outcome.value, context)};
}

Task<Attempt> basic_arithmetic(const std::string& name, EvaluationContext& context) {
    const auto& basic = context.kb.model.basic;
    const ModelPositions positions = with_result(basic, name, context.lookup);
    for (const std::size_t position : positions) {
        const Attempt attempt = co_await try_basic(basic[position], context);
        if (attempt.decided) {
            co_return attempt;
        }
    }
    co_return Attempt{};
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

Task<std::optional<double>> rule_conditions(const std::string& name, EvaluationContext& context) {
    const auto& basic = context.kb.model.basic;
    const ModelPositions positions = with_result(basic, name, context.lookup);
    const auto found = std::find_if(positions.begin(), positions.end(), [&](std::size_t i) {
        return basic[i].operation == rule_conditions_count && basic[i].argument2 == "0";
    });
    if (found == positions.end()) {
        co_return std::nullopt;
    }
    const ModelB* model = &basic[*found];
    const bool go_ahead = co_await sprawdz_task(model->go_ahead, context);
    if (!go_ahead) {
        co_return std::nullopt;
    }
    const auto count = conditions_of_rule(context.kb.rule, model->argument1);
    if (!count) {
        co_return std::nullopt;
    }
    co_return record_application(ModelKind::Basic, model->number, name, *count, context);
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

Task<std::optional<double>> try_extended(const ModelE& model, EvaluationContext& context) {
    if (is_relation(model.operation) || is_interval_relation(model.operation)) {
        co_return std::nullopt;
    }
    const bool may = co_await may_apply(model, model.result, context);
    if (!may) {
        co_return std::nullopt;
    }
    auto values = co_await evaluate_all(model.arguments, context);
    if (!values) {
        co_return std::nullopt;
    }
    // The values are combined last argument first.
    std::reverse(values->begin(), values->end());
    const auto outcome = wykonaj_r(model.operation, *values);
    if (!accepted(outcome, model.number, context)) {
        co_return std::nullopt;
    }
    co_return finish_list_model(ModelKind::Extended, model.number, model.result, *outcome.value,
                                context);
}

Task<std::optional<double>> try_linear(const ModelLin& model, EvaluationContext& context) {
    const bool may = co_await may_apply(model, model.result, context);
    if (!may) {
        co_return std::nullopt;
    }
    auto coefficients = co_await evaluate_all(model.coefficients, context);
    if (!coefficients) {
        co_return std::nullopt;
    }
    auto variables = co_await evaluate_all(model.variables, context);
    if (!variables) {
        co_return std::nullopt;
    }
    std::reverse(coefficients->begin(), coefficients->end());
    std::reverse(variables->begin(), variables->end());
    const auto outcome = wykonaj_liniowy(*coefficients, *variables, 0.0);
    if (!accepted(outcome, model.number, context)) {
        co_return std::nullopt;
    }
    co_return finish_list_model(ModelKind::Linear, model.number, model.result, *outcome.value,
                                context);
}

Task<std::optional<double>> try_polynomial(const ModelPoly& model, EvaluationContext& context) {
    const bool may = co_await may_apply(model, model.result, context);
    if (!may) {
        co_return std::nullopt;
    }
    const auto coefficients = co_await evaluate_all(model.coefficients, context);
    if (!coefficients) {
        co_return std::nullopt;
    }
    const auto x = co_await oblicz_task(model.variable, context);
    if (!x) {
        co_return std::nullopt;
    }
    const auto outcome = wykonaj_wielomianowy(model.powers, *coefficients, *x, 0.0);
    if (!accepted(outcome, model.number, context)) {
        co_return std::nullopt;
    }
    co_return finish_list_model(ModelKind::Polynomial, model.number, model.result, *outcome.value,
                                context);
}

// The first model of the list with this result that gives a value.
template <typename Model>
Task<std::optional<double>> first_value(const std::vector<Model>& models, const std::string& name,
                                        Task<std::optional<double>> (*attempt)(const Model&,
                                                                               EvaluationContext&),
                                        EvaluationContext& context) {
    const ModelPositions positions = with_result(models, name, context.lookup);
    for (const std::size_t position : positions) {
        auto value = co_await attempt(models[position], context);
        if (value) {
            co_return value;
        }
    }
    co_return std::nullopt;
}

// Alternatives 4 to 8: the models that produce the name.
Task<std::optional<double>> by_models(const std::string& name, EvaluationContext& context) {
    const Attempt basic = co_await basic_arithmetic(name, context);
    if (basic.decided) {
        co_return basic.value;
    }
    auto counted = co_await rule_conditions(name, context);
    if (counted) {
        co_return counted;
    }
    const ModelBase& base = context.kb.model;
    auto extended = co_await first_value(base.extended, name, try_extended, context);
    if (extended) {
        co_return extended;
    }
    auto linear = co_await first_value(base.linear, name, try_linear, context);
    if (linear) {
        co_return linear;
    }
    co_return co_await first_value(base.polynomial, name, try_polynomial, context);
}

// Runs one model's attempt as a step, with its result on the path like a
// name being evaluated, so that a model needing its own result fails as it
// does in evaluation.
template <typename Model, typename Outcome>
Outcome apply_on_path(const Model& model, EvaluationContext& context,
                      Task<Outcome> (*attempt)(const Model&, EvaluationContext&)) {
    const PathEntry entry(context.path, model.result);
    return run_to_end(attempt(model, context));
}

// Whether a model surely does not apply now, told without asking anything:
// its go-ahead condition is known, and false, or the model cannot apply.
template <typename Model> bool surely_idle(const Model& model, const WorkingMemory& memory) {
    const auto go_ahead = known_go_ahead(model.go_ahead, memory);
    return go_ahead && (!*go_ahead || memory.zmienna_ustalona.find(model.result) != nullptr ||
                        is_applied(memory, model.number));
}

} // namespace

std::optional<bool> known_go_ahead(const std::string& condition, const WorkingMemory& memory) {
    if (condition == no_condition_name || memory.prawda.contains(condition)) {
        return true;
    }
    if (memory.nieprawda.contains(condition)) {
        return false;
    }
    return std::nullopt;
}

Task<std::optional<double>> oblicz_task(const std::string& name, EvaluationContext& context) {
    // A known value is returned even to a path that is still evaluating it.
    if (const double* fixed = context.memory.zmienna_ustalona.find(name)) {
        co_return *fixed;
    }
    if (context.path.count(name) != 0) {
        co_return std::nullopt; // a model that needs its own result
    }
    const PathEntry entry(context.path, name);
    if (!is_model_result(context, name)) {
        if (const auto literal = text_to_real(name)) {
            context.memory.zmienna_ustalona.set(name, *literal);
            co_return literal;
        }
        co_return co_await ask_user(name, context);
    }
    co_return co_await by_models(name, context);
}

Task<bool> sprawdz_task(const std::string& condition, EvaluationContext& context) {
    if (const auto known = known_go_ahead(condition, context.memory)) {
        co_return *known;
    }
    if (!context.hooks.resolve_condition) {
        co_return false;
    }
    co_return co_await context.hooks.resolve_condition(condition);
}

std::optional<double> oblicz(const std::string& name, EvaluationContext& context) {
    return run_to_end(oblicz_task(name, context));
}

bool sprawdz(const std::string& condition, EvaluationContext& context) {
    // What is known needs no step: the chaining loop tests every model.
    if (const auto known = known_go_ahead(condition, context.memory)) {
        return *known;
    }
    return run_to_end(sprawdz_task(condition, context));
}

// A model that surely does not apply is passed over without starting a step:
// the chaining loop tries every model in every pass.
std::optional<double> apply_model(const ModelB& model, EvaluationContext& context) {
    if (!is_arithmetical_basic(model) || surely_idle(model, context.memory)) {
        return std::nullopt;
    }
    return apply_on_path(model, context, try_basic).value;
}

std::optional<double> apply_model(const ModelE& model, EvaluationContext& context) {
    if (surely_idle(model, context.memory)) {
        return std::nullopt;
    }
    return apply_on_path(model, context, try_extended);
}

std::optional<double> apply_model(const ModelLin& model, EvaluationContext& context) {
    if (surely_idle(model, context.memory)) {
        return std::nullopt;
    }
    return apply_on_path(model, context, try_linear);
}

std::optional<double> apply_model(const ModelPoly& model, EvaluationContext& context) {
    if (surely_idle(model, context.memory)) {
        return std::nullopt;
    }
    return apply_on_path(model, context, try_polynomial);
}

void refuse_model(int number, const std::string& cause, Dialogs& ui) {
    ui.note("Attention!",
            "Model " + std::to_string(number) + " cannot be applied:\n" + cause + ".");
}

} // namespace orve
