// Small bases for the verification tests.
#pragma once

#include "askables/askable_lists.hpp"
#include "state/app_state.hpp"
#include "state/verify_findings.hpp"
#include "support/scripted_dialogs.hpp"

#include <string>
#include <vector>

namespace orve::test {

inline Rule rule(int number, std::string conclusion, Names conditions) {
    return {number, std::move(conclusion), std::move(conditions), 0};
}

// A ring of `steps` conclusions c0 <- c1 <- ... <- c0 with two rules for every
// step: every rule lies on 2^(steps-1) cycle paths.
inline std::vector<Rule> ring_of_pairs(int steps) {
    std::vector<Rule> rules;
    for (int step = 0; step < steps; ++step) {
        const std::string conclusion = "c" + std::to_string(step);
        const std::string condition = "c" + std::to_string((step + 1) % steps);
        rules.push_back(rule(2 * step + 1, conclusion, {condition}));
        rules.push_back(rule(2 * step + 2, conclusion, {condition, "x"}));
    }
    return rules;
}

// A state with the Rule Base RUboiler.EEB loaded, holding `rules`.
inline AppState boiler_state(std::vector<Rule> rules = {}) {
    AppState state;
    state.kb.rule.rules = std::move(rules);
    state.kb.rule.name = BaseName{"RUboiler.EEB", "/bases/RUboiler.EEB"};
    state.wyroznik = "boiler";
    state.rozszerzenie = ".EEB";
    return state;
}

// The askable conditions as loading finds them, by the loading step itself.
inline void mark_askable_conditions(AppState& state) {
    ScriptedDialogs quiet;
    record_askable_conditions(state.kb.rule, state.kb.rule.name ? state.kb.rule.name->name : "",
                              state.askables, quiet);
}

// RUboiler.EEB holding `rules`, with its askable conditions marked.
inline AppState checked_state(std::vector<Rule> rules) {
    AppState state = boiler_state(std::move(rules));
    mark_askable_conditions(state);
    return state;
}

// A Constraint Base COboiler.EEB holding `constraints`.
inline void load_constraints(AppState& state, std::vector<Constraint> constraints) {
    state.kb.constraint.constraints = std::move(constraints);
    state.kb.constraint.name = BaseName{"COboiler.EEB", "/bases/COboiler.EEB"};
}

// Records as "(A,B,[chain])" joined by blanks, for readable comparisons.
inline std::string render(const std::vector<InconsistencyRecord>& records) {
    std::string text;
    for (const auto& record : records) {
        text += text.empty() ? "(" : " (";
        text += std::to_string(record.a) + "," + std::to_string(record.b) + ",[";
        for (std::size_t i = 0; i < record.chain.size(); ++i) {
            text += (i == 0 ? "" : ",") + std::to_string(record.chain[i]);
        }
        text += "])";
    }
    return text;
}

} // namespace orve::test
