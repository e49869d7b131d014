// The commands of the Tools menu: why not?, what if? and the two graph
// exports. Each returns true when it completed.
#pragma once

#include "report/dialogs.hpp"
#include "state/app_state.hpp"

namespace orve {

// Menu identifiers of the commands.
inline constexpr int kWhyNotCommand = 10202;
inline constexpr int kWhatIfCommand = 10203;
inline constexpr int kRuleGraphCommand = 10204;
inline constexpr int kProofTreeCommand = 10205;

// Asks which unestablished conclusion to explain and writes the explanation.
bool why_not_command(AppState& state, Dialogs& ui);
// Asks for one changed answer, replays the last forward run with it and
// writes the conclusions gained and lost.
bool what_if_command(AppState& state, Dialogs& ui);
// Asks for a file name and writes the rule graph / the last run's proof tree.
bool rule_graph_command(AppState& state, Dialogs& ui);
bool proof_tree_command(AppState& state, Dialogs& ui);

// After a chaining command: enables the commands that look back at a run
// when one was recorded (what if? only after a forward run).
void enable_run_tools(AppState& state, Dialogs& ui);
// After a base was loaded (or a load was tried): the record of the last run
// no longer fits the bases, so the commands that look back at it go.
void forget_run(AppState& state, Dialogs& ui);

} // namespace orve
