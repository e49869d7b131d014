#include "tools/proof_tree.hpp"

#include "askables/list_helpers.hpp"
#include "models/model_evaluation.hpp"
#include "state/condition_names.hpp"
#include "tools/dot_text.hpp"

#include <unordered_set>

namespace orve {

namespace {

// Where a condition that no rule or model of the run established came from.
std::string origin(const AppState& state, const std::string& name) {
    const KnowledgeBaseSet& kb = state.kb;
    if (contains(kb.rule.facts, name) || contains(kb.model.m_facts, name)) {
        return "declared fact";
    }
    const std::string* answer = state.memory.last_run.answer_to(name);
    if (answer != nullptr && *answer == "yes") {
        return "answered yes";
    }
    return "true";
}

// The go-ahead condition of the relational model that established a name.
std::string go_ahead_of(const ModelBase& models, int number, const std::string& conclusion) {
    for (const auto& m : models.basic) {
        if (m.number == number && m.result == conclusion && is_relational_model(m)) {
            return m.go_ahead;
        }
    }
    for (const auto& m : models.extended) {
        if (m.number == number && m.result == conclusion && is_relational_model(m)) {
            return m.go_ahead;
        }
    }
    return no_condition_name;
}

} // namespace

std::string proof_tree_dot(const AppState& state) {
    const RunRecord& record = state.memory.last_run;
    std::string text = "digraph \"derivation\" {\n    rankdir=BT;\n    node [fontsize=10];\n";
    std::unordered_set<std::string> derived;
    for (const auto& derivation : record.derivations) {
        derived.insert(derivation.conclusion);
    }
    DotNames names;
    std::string edges;
    const auto condition_node = [&](const std::string& name) {
        if (derived.count(name)) {
            return names.node(name, text, "shape=ellipse");
        }
        const std::string label = name + " (" + origin(state, name) + ")";
        return names.node(name, label, text, "shape=plaintext");
    };
    for (std::size_t i = 0; i < record.derivations.size(); ++i) {
        const Derivation& d = record.derivations[i];
        const bool hypothesis = d.conclusion == record.hypothesis;
        const std::string id = "d" + std::to_string(i);
        text += "    " + id + " [label=" +
                dot_quoted((d.by_model ? "model " : "rule ") + std::to_string(d.number)) +
                ", shape=box];\n";
        const std::string conclusion = names.node(
            d.conclusion, text, hypothesis ? "shape=ellipse, style=bold" : "shape=ellipse");
        edges += dot_edge(id, conclusion);
        const auto& rules = state.kb.rule.rules;
        const Names conditions = d.by_model
                                     ? Names{go_ahead_of(state.kb.model, d.number, d.conclusion)}
                                 : d.rule_index < rules.size() ? rules[d.rule_index].conditions
                                                               : Names{};
        for (const auto& condition : conditions) {
            if (condition != no_condition_name) {
                edges += dot_edge(condition_node(condition), id);
            }
        }
    }
    return text + edges + "}\n";
}

} // namespace orve
