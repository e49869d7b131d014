// The search behind why not?: a small set of askable conditions that, had
// they been answered yes on top of the run's answers, would have made a rule
// concluding a name fire.
#pragma once

#include "tools/rule_index.hpp"
#include "tools/run_truth.hpp"

#include <optional>
#include <string>

namespace orve {

// At most this many answers are proposed; larger sets are not searched for.
inline constexpr std::size_t kMostAnswersProposed = 64;

// Each condition is given its cheapest set (one answer for an askable
// condition, the union of the conditions' sets for the cheapest rule
// concluding it), cheapest first, so every rule is combined once. Sets found
// are checked by deriving from the changed answers, constraints included;
// the smallest that holds is returned. Nothing when no set was found.
std::optional<Names> answers_to_establish(const AppState& state, const RuleIndex& index,
                                          const RunTruth& truth, const std::string& name);

// True when the name follows by the rules from what the run took as given
// (facts, answers, model conclusions) with `yes` answered yes instead;
// conditions sharing a constraint with one of them are taken as false.
bool follows_with(const AppState& state, const RuleIndex& index, const RunTruth& truth,
                  const Names& yes, const std::string& name);

} // namespace orve
