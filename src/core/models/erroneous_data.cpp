#include "models/erroneous_data.hpp"

#include "models/model_operations.hpp"

#include <algorithm>

namespace orve {

namespace {

const std::string error_in_data{"Error in data"};

bool is_applied(const WorkingMemory& memory, int number) {
    const auto& applied = memory.model_stosowany;
    return std::find(applied.begin(), applied.end(), number) != applied.end();
}

// Records the firing model and removes the two values it found wrong.
void fire(ModelKind kind, int number, const std::string& first, const std::string& second,
          const std::string& text, EvaluationContext& context) {
    if (context.hooks.on_applied) {
        context.hooks.on_applied(AppliedModel{kind, number, error_in_data, 0.0});
    }
    context.memory.zmienna_ustalona.erase(first);
    context.memory.zmienna_ustalona.erase(second);
    context.memory.prawda.add(error_in_data);
    context.memory.model_stosowany.push_back(number);
    context.out.ui().note("Error in data!", text);
}

bool basic_fires(const ModelB& m, EvaluationContext& context) {
    if (m.result != error_in_data || !is_relation(m.operation) || !sprawdz(m.go_ahead, context) ||
        is_applied(context.memory, m.number)) {
        return false;
    }
    const auto a = oblicz(m.argument1, context);
    const auto b = a ? oblicz(m.argument2, context) : std::nullopt;
    return b && relacja(m.operation, *a, *b);
}

bool extended_fires(const ModelE& m, EvaluationContext& context) {
    if (m.result != error_in_data || !is_interval_relation(m.operation) ||
        m.arguments.size() != 3 || !sprawdz(m.go_ahead, context) ||
        is_applied(context.memory, m.number)) {
        return false;
    }
    std::vector<double> values;
    for (const auto& argument : m.arguments) {
        const auto value = oblicz(argument, context);
        if (!value) {
            return false;
        }
        values.push_back(*value);
    }
    return relacja_r(m.operation, values[0], values[1], values[2]);
}

} // namespace

bool szukanie_blednych_danych(EvaluationContext& context) {
    for (const auto& m : context.kb.model.basic) {
        if (basic_fires(m, context)) {
            fire(ModelKind::Basic, m.number, m.argument1, m.argument2,
                 "Erroneous data is removed. Continue chaining and input corrected data when "
                 "asked.",
                 context);
            return false;
        }
    }
    for (const auto& m : context.kb.model.extended) {
        if (extended_fires(m, context)) {
            fire(ModelKind::Extended, m.number, m.arguments[0], m.arguments[1],
                 "Erroneous data is removed. Continue chaining and declare corrected data when "
                 "asked.",
                 context);
            return false;
        }
    }
    return true;
}

} // namespace orve
