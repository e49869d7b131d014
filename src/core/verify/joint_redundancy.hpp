// Joint rule-constraint redundancy: rules of one conclusion that differ only in
// one condition each, those conditions making up a constraint.
#pragma once

#include "report/dialogs.hpp"
#include "state/app_state.hpp"

namespace orve {

// `testuj_nadmiar_2`: the offer after loading a Constraint Base. False when
// redundancy was found.
bool testuj_nadmiar_2(AppState& state, Dialogs& ui);

// `informuj_nadmiar_2`: runs the detection unless groups are recorded, informs
// the user; enables the diagnosing command and returns false when redundancy
// exists. False, silently, for an externally inconsistent Rule Base. True,
// with nothing changed, when the user cancels the detection.
bool informuj_nadmiar_2(AppState& state, Dialogs& ui);

} // namespace orve
