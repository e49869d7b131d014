#include "tools/rule_index.hpp"

#include "models/model_evaluation.hpp"

namespace orve {

namespace {

const std::vector<std::size_t> kNoRules;
const std::vector<int> kNoModels;

template <typename Map, typename Empty>
const Empty& found_or(const Map& map, const std::string& name, const Empty& empty) {
    const auto found = map.find(name);
    return found == map.end() ? empty : found->second;
}

} // namespace

RuleIndex::RuleIndex(const AppState& state) {
    const auto& rules = state.kb.rule.rules;
    for (std::size_t i = 0; i < rules.size(); ++i) {
        concluding_[rules[i].conclusion].push_back(i);
        for (const auto& condition : rules[i].conditions) {
            auto& users = using_[condition];
            if (users.empty() || users.back() != i) {
                users.push_back(i);
            }
        }
    }
    for (const auto& model : state.kb.model.basic) {
        if (is_relational_model(model)) {
            models_[model.result].push_back(model.number);
        }
    }
    for (const auto& model : state.kb.model.extended) {
        if (is_relational_model(model)) {
            models_[model.result].push_back(model.number);
        }
    }
    for (const auto& constraint : state.kb.constraint.constraints) {
        for (const auto& condition : constraint.conditions) {
            constraint_.emplace(condition, &constraint);
        }
    }
    const Names& askable = ogolna_lista_dopytywalnych(state.askables);
    askable_.insert(askable.begin(), askable.end());
}

const std::vector<std::size_t>& RuleIndex::concluding(const std::string& name) const {
    return found_or(concluding_, name, kNoRules);
}

const std::vector<std::size_t>& RuleIndex::using_condition(const std::string& name) const {
    return found_or(using_, name, kNoRules);
}

const std::vector<int>& RuleIndex::models_concluding(const std::string& name) const {
    return found_or(models_, name, kNoModels);
}

const Constraint* RuleIndex::first_constraint_with(const std::string& name) const {
    const auto found = constraint_.find(name);
    return found == constraint_.end() ? nullptr : found->second;
}

} // namespace orve
