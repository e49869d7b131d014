// The dependency graph of the loaded bases as Graphviz DOT: conditions lead
// into the rules and models that use them, rules and models into what they
// conclude or compute, and the conditions of each constraint meet in a node
// of their own. Rules that the external-inconsistency test finds in a cycle
// are drawn in red with the links that close the cycle.
#pragma once

#include "state/app_state.hpp"

#include <string>

namespace orve {

std::string rule_graph_dot(const AppState& state);

} // namespace orve
