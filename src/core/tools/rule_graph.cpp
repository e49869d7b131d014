#include "tools/rule_graph.hpp"

#include "models/model_operations.hpp"
#include "state/condition_names.hpp"
#include "tools/dot_text.hpp"
#include "verify/external_inconsistency.hpp"

#include <set>
#include <unordered_map>
#include <utility>

namespace orve {

namespace {

constexpr const char* kCycle = "color=red, penwidth=2";
constexpr const char* kName = "shape=ellipse";

// The links of the cycles found: a rule and the rule its conclusion leads
// into, by position in the rule table.
struct Cycles {
    std::set<std::size_t> rules;
    std::set<std::pair<std::string, std::size_t>> into; // conclusion -> rule using it
    std::set<std::string> names;
    std::vector<std::string> comments;
};

// The records of the test when it ran at loading, else of a run of its own.
Cycles find_cycles(const AppState& state) {
    const RuleBase& base = state.kb.rule;
    Findings own;
    if (!state.findings.sprzecznosc_1z) {
        badaj_sprzecznosc_1z(base, own);
    }
    const Findings& findings = state.findings.sprzecznosc_1z ? state.findings : own;
    std::unordered_map<int, std::size_t> position;
    for (std::size_t i = base.rules.size(); i-- > 0;) {
        position[base.rules[i].number] = i; // the first rule of a number
    }
    Cycles cycles;
    for (const auto& record : findings.reguly_sprzeczne) {
        std::string comment = "    // cycle of rules";
        for (std::size_t i = 0; i < record.chain.size(); ++i) {
            const auto from = position.find(record.chain[i]);
            const auto to = position.find(record.chain[(i + 1) % record.chain.size()]);
            comment += " " + std::to_string(record.chain[i]);
            if (from == position.end() || to == position.end()) {
                continue;
            }
            const std::string& conclusion = base.rules[from->second].conclusion;
            cycles.rules.insert(from->second);
            cycles.names.insert(conclusion);
            cycles.into.emplace(conclusion, to->second);
        }
        cycles.comments.push_back(comment + ", found for rule " + std::to_string(record.a) + "\n");
    }
    return cycles;
}

class GraphWriter {
  public:
    explicit GraphWriter(const Cycles& cycles) : cycles_(cycles) {}

    std::string text;

    const std::string& name(const std::string& name) {
        return names_.node(name, text,
                           cycles_.names.count(name) ? std::string(kName) + ", " + kCycle : kName);
    }

    void rule(std::size_t index, const Rule& rule) {
        const std::string id = "r" + std::to_string(index);
        const bool in_cycle = cycles_.rules.count(index) != 0;
        text += "    " + id + " [label=" + dot_quoted("rule " + std::to_string(rule.number)) +
                ", shape=box" + (in_cycle ? std::string(", ") + kCycle : "") + "];\n";
        for (const auto& condition : rule.conditions) {
            const bool closes = cycles_.into.count({condition, index}) != 0;
            text += dot_edge(name(condition), id, closes ? kCycle : "");
        }
        text += dot_edge(id, name(rule.conclusion), in_cycle ? kCycle : "");
    }

    // A model: its go-ahead condition (dashed), its arguments, its result.
    void model(const std::string& id, const std::string& label, const std::string& go_ahead,
               const Names& arguments, const std::string& result) {
        text += "    " + id + " [label=" + dot_quoted(label) + ", shape=hexagon];\n";
        if (go_ahead != no_condition_name) {
            text += dot_edge(name(go_ahead), id, "style=dashed");
        }
        for (const auto& argument : arguments) {
            if (!text_to_real(argument)) {
                text += dot_edge(name(argument), id);
            }
        }
        text += dot_edge(id, name(result));
    }

    void constraint(std::size_t index, const Constraint& constraint) {
        const std::string id = "k" + std::to_string(index);
        text += "    " + id +
                " [label=" + dot_quoted("constraint " + std::to_string(constraint.number)) +
                ", shape=diamond];\n";
        for (const auto& condition : constraint.conditions) {
            text += dot_edge(name(condition), id, "dir=none, style=dotted");
        }
    }

  private:
    const Cycles& cycles_;
    DotNames names_;
};

std::string model_label(int number, const std::string& operation) {
    return "model " + std::to_string(number) + " (" + operation + ")";
}

void write_models(GraphWriter& out, const ModelBase& models) {
    std::size_t index = 0;
    const auto id = [&index] { return "m" + std::to_string(index++); };
    for (const auto& m : models.basic) {
        out.model(id(), model_label(m.number, m.operation), m.go_ahead, {m.argument1, m.argument2},
                  m.result);
    }
    for (const auto& m : models.extended) {
        out.model(id(), model_label(m.number, m.operation), m.go_ahead, m.arguments, m.result);
    }
    for (const auto& m : models.linear) {
        Names arguments = m.coefficients;
        arguments.insert(arguments.end(), m.variables.begin(), m.variables.end());
        out.model(id(), model_label(m.number, "linear"), m.go_ahead, arguments, m.result);
    }
    for (const auto& m : models.polynomial) {
        Names arguments = m.coefficients;
        arguments.push_back(m.variable);
        out.model(id(), model_label(m.number, "polynomial"), m.go_ahead, arguments, m.result);
    }
}

} // namespace

std::string rule_graph_dot(const AppState& state) {
    const Cycles cycles = find_cycles(state);
    GraphWriter out(cycles);
    const std::string title = state.kb.rule.name ? state.kb.rule.name->name : "rules";
    out.text = "digraph " + dot_quoted(title) + " {\n    rankdir=LR;\n    node [fontsize=10];\n";
    for (const auto& comment : cycles.comments) {
        out.text += comment;
    }
    const auto& rules = state.kb.rule.rules;
    for (std::size_t i = 0; i < rules.size(); ++i) {
        out.rule(i, rules[i]);
    }
    write_models(out, state.kb.model);
    const auto& constraints = state.kb.constraint.constraints;
    for (std::size_t i = 0; i < constraints.size(); ++i) {
        out.constraint(i, constraints[i]);
    }
    return out.text + "}\n";
}

} // namespace orve
