// The start shared by forward and backward chaining runs: the bars on
// chaining, the abstract, the level of detail, the labels, the cleared working
// memory and the announcement of the loaded bases.
#pragma once

#include "report/dialogs.hpp"
#include "state/app_state.hpp"

#include <string>

namespace orve {

// The texts that name the direction of a run.
struct RunHeading {
    std::string note_title; // e.g. "Elementary exact forward chaining"
    std::string note_head;  // e.g. "Elementary Exact Forward Chaining for "
    std::string line_head;  // e.g. "Forward chaining for Rule Base "
};

// Runs the start of a chaining run up to and including recording "No
// condition" true. False when a bar on chaining stops the run (only a missing
// Rule Base is reported).
bool start_chaining_run(AppState& state, Dialogs& ui, const RunHeading& heading);

// The check of all model results without constraints, one of the bars on
// chaining; a finding shows its note.
bool model_results_consistent(AppState& state, Dialogs& ui);

// False when an inconsistency of the Model Base, alone or together with the
// Rule Base, has been recorded.
bool model_base_consistent(const AppState& state);

} // namespace orve
