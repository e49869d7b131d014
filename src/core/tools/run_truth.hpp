// The truth of every condition when the last run ended, as sets for look-up.
#pragma once

#include "state/app_state.hpp"

#include <string>
#include <unordered_set>

namespace orve {

struct RunTruth {
    std::unordered_set<std::string> true_set;
    std::unordered_set<std::string> false_set;
    // Conclusions established by rules (not by answers, facts or models).
    std::unordered_set<std::string> by_rules;

    bool holds(const std::string& name) const { return true_set.count(name) != 0; }
    bool is_false(const std::string& name) const { return false_set.count(name) != 0; }
};

// From the record of the last run, or from the working memory when the
// record has no truth of its own (a run that did not reach its ending).
RunTruth run_truth(const AppState& state);

} // namespace orve
