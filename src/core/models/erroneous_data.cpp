#include "models/erroneous_data.hpp"

#include <algorithm>

namespace orve {

namespace {

const std::string error_in_data{"Error in data"};

// Explains the firing model, removes the two values it found wrong and
// records it. A refused rating in the explanation does not save the data.
void fire(ModelKind kind, int number, const std::vector<double>& operands, const std::string& first,
          const std::string& second, const std::string& text, EvaluationContext& context) {
    if (context.hooks.on_applied) {
        context.hooks.on_applied(AppliedModel{kind, number, error_in_data, 0.0, true, operands});
    }
    context.memory.zmienna_ustalona.erase(first);
    context.memory.zmienna_ustalona.erase(second);
    context.memory.prawda.add(error_in_data);
    context.memory.model_stosowany.push_back(number);
    context.out.ui().note("Error in data!", text);
}

// The operand values of an "Error in data" model that fires.
template <typename Model>
Task<std::optional<std::vector<double>>> fires(const Model& m, EvaluationContext& context) {
    if (!is_relational_model(m) || m.result != error_in_data) {
        co_return std::nullopt;
    }
    const bool go_ahead = co_await sprawdz_task(m.go_ahead, context);
    if (!go_ahead || is_applied(context.memory, m.number)) {
        co_return std::nullopt;
    }
    co_return co_await holding_relation(m, context);
}

} // namespace

bool szukanie_blednych_danych(EvaluationContext& context) {
    return run_to_end(szukanie_blednych_danych_task(context));
}

Task<bool> szukanie_blednych_danych_task(EvaluationContext& context) {
    for (const auto& m : context.kb.model.basic) {
        const auto values = co_await fires(m, context);
        if (values) {
            fire(ModelKind::Basic, m.number, *values, m.argument1, m.argument2,
                 "Erroneous data is removed. Continue chaining and input corrected data when "
                 "asked.",
                 context);
            co_return false;
        }
    }
    for (const auto& m : context.kb.model.extended) {
        const auto values = co_await fires(m, context);
        if (values) {
            fire(ModelKind::Extended, m.number, *values, m.arguments[0], m.arguments[1],
                 "Erroneous data is removed. Continue chaining and declare corrected data when "
                 "asked.",
                 context);
            co_return false;
        }
    }
    co_return true;
}

} // namespace orve
