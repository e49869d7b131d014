// The derivation of the last run as Graphviz DOT: every conclusion the run
// established, under the rule or relational model that established it, with
// that rule's conditions under it in turn, down to the declared facts and the
// answers. A condition established once is drawn once.
#pragma once

#include "state/app_state.hpp"

#include <string>

namespace orve {

std::string proof_tree_dot(const AppState& state);

} // namespace orve
