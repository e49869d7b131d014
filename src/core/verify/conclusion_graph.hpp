// The rules of a Rule Base seen as a graph over conclusions: a conclusion points
// to the conditions of the rules that conclude it. Used by the external
// inconsistency search to find the rules of a name quickly and to skip the
// parts of the base that cannot lead back to the tested conclusion.
#pragma once

#include "kb/knowledge_base.hpp"

#include <cstddef>
#include <vector>

namespace orve {

struct ConclusionGraph {
    // Conclusion id of every rule, in table order.
    std::vector<int> rule_conclusion;
    // For every rule, the id of each condition in list order; -1 when no rule
    // concludes that condition.
    std::vector<std::vector<int>> rule_conditions;
    // Table indices of the rules concluding each id, in table order.
    std::vector<std::vector<std::size_t>> rules_concluding;
    // Strongly connected component of each id: two conclusions share one when
    // each can be reached from the other.
    std::vector<int> component;
};

// Builds the graph of a rule table; conclusions are compared byte for byte.
ConclusionGraph build_conclusion_graph(const std::vector<Rule>& rules);

// Strongly connected components of a graph given by its successor lists, one
// component number per node. Iterative, so deep graphs need no deep stack.
std::vector<int> strongly_connected_components(const std::vector<std::vector<int>>& successors);

} // namespace orve
