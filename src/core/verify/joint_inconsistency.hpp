// Joint rule-constraint inconsistency: a flattened rule that needs two conditions
// of one constraint can never fire.
#pragma once

#include "report/dialogs.hpp"
#include "state/app_state.hpp"
#include "verify/test_progress.hpp"

namespace orve {

// `wyznacz_sprzecznosc_2`: the detection; adds the conflicts found to `findings`,
// sets the verdict `joint_inconsistency_found` and returns true when none is recorded.
bool wyznacz_sprzecznosc_2(const KnowledgeBaseSet& kb, const AskableLists& askables,
                           Findings& findings, TestProgress& progress = no_progress());

// The title of the joint inconsistency test's progress indicator.
inline constexpr const char* kJointInconsistencyTestTitle = "Testing joint inconsistencies";

// `testuj_sprzecznosc_2`: the offer after loading a Constraint Base. False when
// the bases are jointly inconsistent.
bool testuj_sprzecznosc_2(AppState& state, Dialogs& ui);

// `informuj_sprzecznosc_2`: runs the detection and informs the user; enables the
// diagnosing command and returns false when a conflict exists. False, silently,
// for an externally inconsistent Rule Base. True, with nothing changed, when
// the user cancels the detection.
bool informuj_sprzecznosc_2(AppState& state, Dialogs& ui);

} // namespace orve
