#include "model_verify/identical_results_kinds.hpp"

#include "models/model_operations.hpp"

namespace orve {

std::vector<ModelResult> models_of(const ModelBase& base, ModelKind kind) {
    std::vector<ModelResult> models;
    switch (kind) {
    case ModelKind::Basic:
        for (const ModelB& m : base.basic) {
            models.push_back({m.go_ahead, m.result, is_two_argument_operation(m.operation)});
        }
        break;
    case ModelKind::Extended:
        for (const ModelE& m : base.extended) {
            models.push_back({m.go_ahead, m.result, is_extended_arithmetic(m.operation)});
        }
        break;
    case ModelKind::Linear:
        for (const ModelLin& m : base.linear) {
            models.push_back({m.go_ahead, m.result, true});
        }
        break;
    case ModelKind::Polynomial:
        for (const ModelPoly& m : base.polynomial) {
            models.push_back({m.go_ahead, m.result, true});
        }
        break;
    }
    return models;
}

GoAheadsByResult::GoAheadsByResult(const std::vector<ModelResult>& models) {
    for (const ModelResult& model : models) {
        go_aheads_[model.result].push_back(model.go_ahead);
    }
}

const Names& GoAheadsByResult::of(const std::string& result) const {
    static const Names none;
    const auto found = go_aheads_.find(result);
    return found == go_aheads_.end() ? none : found->second;
}

const std::array<IdenticalResultsTest, 10>& identical_results_tests() {
    using K = ModelKind;
    static const std::array<IdenticalResultsTest, 10> tests = {{
        {K::Basic, K::Extended, "The model base contains basic and extended models"},
        {K::Basic, K::Linear, "The model base contains basic and linear models "},
        {K::Basic, K::Polynomial, "The model base contains basic and polynomial models"},
        {K::Extended, K::Linear, "The model base contains extended and linear  models"},
        {K::Extended, K::Polynomial, "The model base contains extended and polynomial  models"},
        {K::Linear, K::Polynomial, "The model base contains linear and polynomial  models"},
        {K::Basic, K::Basic, "The model base contains basic models "},
        {K::Extended, K::Extended, "The model base contains extended models "},
        {K::Linear, K::Linear, "The model base contains linear models"},
        {K::Polynomial, K::Polynomial, "The model base contains polynomial models "},
    }};
    return tests;
}

} // namespace orve
