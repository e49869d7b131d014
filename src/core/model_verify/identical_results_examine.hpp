// Examination of one set of go-ahead conditions of models with a shared
// result, when a Constraint Base is loaded.
#pragma once

#include "report/dialogs.hpp"
#include "state/app_state.hpp"
#include "verify/flattening_index.hpp"
#include "verify/test_progress.hpp"

namespace orve {

// The working state of one run of the tests with constraints.
struct ConstrainedCheck {
    AppState& state;
    Dialogs& ui;
    const FlatteningIndex& index;
    Names relational; // conclusions of the relational models
    TestProgress& progress;
};

// True when some constraint lists every condition of the set.
bool constraint_holds_all(const ConstraintBase& base, const Names& go_aheads);

// Checks that the rules concluding the go-ahead conditions have mutually
// exclusive conclusions. A finding is reported, makes the bases unusable for
// chaining and gives false.
bool examine_go_aheads(ConstrainedCheck& check, const Names& go_aheads);

// Drops what the findings name as unusable: the rules and facts of the Rule
// Base, the Model Base, and the Constraint Base with its name.
void make_bases_unusable(AppState& state);

} // namespace orve
