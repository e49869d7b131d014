#include "tools/why_not.hpp"

#include "askables/list_helpers.hpp"
#include "state/condition_names.hpp"
#include "tools/answer_search.hpp"
#include "tools/rule_index.hpp"
#include "tools/run_truth.hpp"

#include <unordered_set>

namespace orve {

namespace {

// Why a condition that is false is false: the user's no, or its constraint.
UnmetRule false_condition(const AppState& state, const RuleIndex& index, const RunTruth& truth,
                          UnmetRule unmet) {
    const std::string* answer = state.memory.last_run.answer_to(unmet.condition);
    if (answer != nullptr && *answer == "no") {
        unmet.why = Unmet::AnsweredNo;
        return unmet;
    }
    if (const Constraint* constraint = index.first_constraint_with(unmet.condition)) {
        for (const auto& other : constraint->conditions) {
            if (other != unmet.condition && truth.holds(other)) {
                unmet.why = Unmet::Excluded;
                unmet.number = constraint->number;
                unmet.true_one = other;
                return unmet;
            }
        }
    }
    unmet.why = Unmet::False;
    return unmet;
}

// The first condition of a rule that did not hold, and why.
UnmetRule first_unmet(const AppState& state, const RuleIndex& index, const RunTruth& truth,
                      const Rule& rule) {
    UnmetRule unmet;
    unmet.rule = rule.number;
    for (const auto& condition : rule.conditions) {
        if (truth.holds(condition)) {
            continue;
        }
        unmet.condition = condition;
        if (truth.is_false(condition)) {
            return false_condition(state, index, truth, unmet);
        }
        if (index.askable(condition)) {
            unmet.why = Unmet::NotAsked;
        } else if (!index.concluding(condition).empty()) {
            unmet.why = Unmet::NotEstablished;
        } else if (const auto& models = index.models_concluding(condition); !models.empty()) {
            unmet.why = Unmet::NotByModel;
            unmet.number = models.front();
        } else {
            unmet.why = Unmet::NoSource;
        }
        return unmet;
    }
    return unmet; // every condition holds
}

std::string quoted(const std::string& name) {
    return "'" + name + "'";
}

std::string unmet_text(const UnmetRule& unmet) {
    const std::string c = "the condition " + quoted(unmet.condition);
    switch (unmet.why) {
    case Unmet::AnsweredNo:
        return c + " was answered no.";
    case Unmet::Excluded:
        return c + " is false: constraint " + std::to_string(unmet.number) +
               " allows one true condition, and " + quoted(unmet.true_one) + " is true.";
    case Unmet::NotAsked:
        return c + " is unknown: it was not asked.";
    case Unmet::NoSource:
        return c + " is unknown: no rule or model concludes it and it is not askable.";
    case Unmet::NotEstablished:
        return c + " was not established.";
    case Unmet::NotByModel:
        return c + " was not established by model " + std::to_string(unmet.number) + ".";
    case Unmet::False:
        return c + " is false.";
    case Unmet::AllHold:
        break;
    }
    return "all its conditions hold, but the run ended before the rule fired.";
}

} // namespace

WhyNot why_not(const AppState& state, const std::string& name) {
    const RuleIndex index(state);
    const RunTruth truth = run_truth(state);
    WhyNot result;
    if (truth.holds(name)) {
        result.status = WhyNotStatus::Established;
        return result;
    }
    if (index.concluding(name).empty()) {
        result.status = WhyNotStatus::NotConcluded;
        return result;
    }
    // Unestablished conditions are explained in turn from a queue, each once.
    std::vector<std::string> queue{name};
    std::unordered_set<std::string> queued{name};
    for (std::size_t next = 0; next < queue.size(); ++next) {
        NameExplanation explanation{queue[next], {}};
        for (const std::size_t position : index.concluding(explanation.name)) {
            UnmetRule unmet = first_unmet(state, index, truth, state.kb.rule.rules[position]);
            if (unmet.why == Unmet::NotEstablished && queued.insert(unmet.condition).second) {
                queue.push_back(unmet.condition);
            }
            explanation.rules.push_back(std::move(unmet));
        }
        result.explanations.push_back(std::move(explanation));
    }
    result.answers = answers_to_establish(state, index, truth, name);
    return result;
}

std::string why_not_text(const AppState& state, const std::string& name, const WhyNot& result) {
    switch (result.status) {
    case WhyNotStatus::Established:
        return quoted(name) + " was established by the last run.\n";
    case WhyNotStatus::NotConcluded:
        return "No rule concludes " + quoted(name) + ".\n";
    case WhyNotStatus::Explained:
        break;
    }
    std::string text;
    for (const auto& explanation : result.explanations) {
        text += "Why not " + quoted(explanation.name) + "?\n";
        for (const auto& unmet : explanation.rules) {
            text += "    Rule " + std::to_string(unmet.rule) + ": " + unmet_text(unmet) + "\n";
        }
    }
    if (run_truth(state).holds(end_name)) {
        text += "The run was ended by a rule concluding 'end'.\n";
    }
    if (!result.answers) {
        text += "No answers to askable conditions would have established " + quoted(name) + ".\n";
        return text;
    }
    text += quoted(name) + " would have been established with these answers:\n";
    for (const auto& answer : *result.answers) {
        text += "    " + answer + " = yes\n";
    }
    return text;
}

Names unestablished_conclusions(const AppState& state) {
    const RunTruth truth = run_truth(state);
    Names names;
    for (const auto& rule : state.kb.rule.rules) {
        if (rule.conclusion != end_name && !truth.holds(rule.conclusion)) {
            names.push_back(rule.conclusion);
        }
    }
    return sortuj(redukuj(names));
}

} // namespace orve
