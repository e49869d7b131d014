// Menu commands of the rule-base verification that give the diagnosing reports
// of the redundancy and joint rule-constraint tests. Each returns true when the
// command completed.
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

} // namespace orve
