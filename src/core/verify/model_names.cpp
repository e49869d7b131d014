#include "verify/model_names.hpp"

namespace orve {

Names model_results(const ModelBase& models) {
    Names names;
    for (const auto& m : models.basic) {
        names.push_back(m.result);
    }
    for (const auto& m : models.extended) {
        names.push_back(m.result);
    }
    for (const auto& m : models.linear) {
        names.push_back(m.result);
    }
    for (const auto& m : models.polynomial) {
        names.push_back(m.result);
    }
    return names;
}

Names model_inputs(const ModelBase& models) {
    Names names;
    for (const auto& m : models.basic) {
        names.insert(names.end(), {m.go_ahead, m.argument1, m.argument2});
    }
    for (const auto& m : models.extended) {
        names.push_back(m.go_ahead);
        names.insert(names.end(), m.arguments.begin(), m.arguments.end());
    }
    for (const auto& m : models.linear) {
        names.push_back(m.go_ahead);
        names.insert(names.end(), m.variables.begin(), m.variables.end());
    }
    for (const auto& m : models.polynomial) {
        names.insert(names.end(), {m.go_ahead, m.variable});
    }
    return names;
}

} // namespace orve
