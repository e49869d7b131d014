#include "askables/askables_file.hpp"

#include <map>
#include <set>

namespace orve {

namespace {

const std::string kIndent = "   ";

// Askable names split by the constraints: those in no constraint, in list
// order and each once, and the numbers of the constraints that hold the others.
struct ConstraintSplit {
    Names free;
    std::set<int> numbers;
};

// Each name's first constraint in table order.
std::map<std::string, int> first_constraints(const std::vector<Constraint>* constraints) {
    std::map<std::string, int> first;
    if (constraints != nullptr) {
        for (const auto& constraint : *constraints) {
            for (const auto& condition : constraint.conditions) {
                first.emplace(condition, constraint.number);
            }
        }
    }
    return first;
}

ConstraintSplit split_by_constraints(const Names& names,
                                     const std::map<std::string, int>& first_constraint) {
    ConstraintSplit split;
    std::set<std::string> seen;
    for (const auto& name : names) {
        if (!seen.insert(name).second) {
            continue;
        }
        if (const auto found = first_constraint.find(name); found != first_constraint.end()) {
            split.numbers.insert(found->second);
        } else {
            split.free.push_back(name);
        }
    }
    return split;
}

std::string indented_lines(const Names& names) {
    std::string text;
    for (const auto& name : names) {
        text += kIndent + name + "\n";
    }
    return text;
}

// One line per recorded constraint, each begun by a line break: every
// condition of the constraint followed by "#".
std::string exclusive_groups(const std::vector<Constraint>& constraints,
                             const std::set<int>& numbers) {
    std::string text;
    for (const auto& constraint : constraints) {
        if (numbers.count(constraint.number) == 0) {
            continue;
        }
        text += "\n";
        for (const auto& condition : constraint.conditions) {
            text += kIndent + condition + "#";
        }
    }
    return text;
}

} // namespace

std::string askables_file_text(const AskablesFileSources& sources) {
    const auto first_constraint = first_constraints(sources.constraints);
    const ConstraintSplit conditions = split_by_constraints(sources.conditions, first_constraint);
    const ConstraintSplit arguments =
        split_by_constraints(sources.model_base ? sources.arguments : Names{}, first_constraint);
    const bool all_three = sources.model_base && sources.constraints != nullptr;

    std::string text = "Non-exclusive Askable Conditions for Rule Base " + sources.rule_base + "\n";
    if (sources.model_base) {
        text += "and Model Base " + *sources.model_base + "\n";
    }
    text += indented_lines(conditions.free);
    if (all_three) {
        text += "Non-exclusive Askable Conditions for Rule Base  " + sources.rule_base +
                exclusive_groups(*sources.constraints, conditions.numbers);
    }
    text += "\n";
    if (all_three) {
        text += "Non-exclusive Askable Conditions for Model Base " + *sources.model_base +
                exclusive_groups(*sources.constraints, arguments.numbers);
    }
    if (sources.constraints != nullptr) {
        text += "\n";
    }
    if (sources.model_base) {
        text += "Askable Arguments for Model Base " + *sources.model_base + "\n" +
                indented_lines(arguments.free);
    }
    return text;
}

} // namespace orve
