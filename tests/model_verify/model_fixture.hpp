// Small Model Bases for the model verification tests.
#pragma once

#include "state/app_state.hpp"

#include <string>
#include <vector>

namespace orve::test {

inline ModelB basic(int number, std::string go_ahead, std::string result, std::string argument1,
                    std::string operation, std::string argument2) {
    return {number,
            std::move(go_ahead),
            std::move(result),
            std::move(argument1),
            std::move(operation),
            std::move(argument2),
            0};
}

inline ModelE extended(int number, std::string go_ahead, std::string result, std::string operation,
                       Names arguments) {
    return {
        number, std::move(go_ahead), std::move(result), std::move(operation), std::move(arguments),
        0};
}

inline Rule rule_of(int number, std::string conclusion, Names conditions) {
    return {number, std::move(conclusion), std::move(conditions), 0};
}

// A state with the Model Base `name` loaded, holding `models`.
inline AppState model_state(const std::string& name, std::vector<ModelB> models,
                            std::vector<ModelE> extended_models = {}) {
    AppState state;
    state.kb.model.basic = std::move(models);
    state.kb.model.extended = std::move(extended_models);
    state.kb.model.name = BaseName{name, "/bases/" + name};
    return state;
}

} // namespace orve::test
