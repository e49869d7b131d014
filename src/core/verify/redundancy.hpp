// Rule redundancy: two rules of one conclusion whose flattened conditions are
// one among the other's.
#pragma once

#include "report/dialogs.hpp"
#include "state/app_state.hpp"
#include "verify/test_progress.hpp"

namespace orve {

// `wyznacz_nadmiar`: the detection; adds the pairs and versions found to
// `findings` and returns true only when no pair is recorded.
bool wyznacz_nadmiar(const RuleBase& rules, const AskableLists& askables, Findings& findings,
                     TestProgress& progress = no_progress());

// The title of the redundancy test's progress indicator.
inline constexpr const char* kRedundancyTestTitle = "Testing redundancies";

// `testuj_nadmiar_1`: the offer after loading a Rule Base.
void testuj_nadmiar_1(AppState& state, Dialogs& ui);

// `informuj_nadmiar`: runs the detection unless pairs are recorded, informs the
// user and enables or disables the diagnosing command. False, silently, for an
// externally inconsistent base. True, with nothing changed, when the user
// cancels the detection.
bool informuj_nadmiar(AppState& state, Dialogs& ui);

} // namespace orve
