// Menu commands of the rule-base verification: the diagnosing reports of the
// redundancy and joint rule-constraint tests, the flattening listings and the
// conclusion exclusivity analysis. Each returns true when the command completed.
#pragma once

#include "report/dialogs.hpp"
#include "state/app_state.hpp"

namespace orve {

// "Diagnosing redundancies" (10072): the redundancy report of the Rule Base.
bool diagnose_redundancies(AppState& state, Dialogs& ui);

// "Diagnosing joint Rule- and Constraint Base inconsistencies" (10097).
bool diagnose_joint_inconsistencies(AppState& state, Dialogs& ui);

// "Diagnosing joint Rule- and Constraint Base redundancies" (10098).
bool diagnose_joint_redundancies(AppState& state, Dialogs& ui);

// "Flattening a chosen rule" (10135): pick a rule, then show its flattened
// versions one by one.
bool flatten_chosen_rule(AppState& state, Dialogs& ui);

// "Flattening all rules" (10136): every flattened version of every rule, one by
// one.
bool flatten_all_rules(AppState& state, Dialogs& ui);

// The conclusion exclusivity analysis: test kind 1 "to one" (10137), 2 "to none"
// (10138), 3 non-exclusion (10139).
bool analiza_bazy_wiedzy(AppState& state, Dialogs& ui, int test_kind);

} // namespace orve
