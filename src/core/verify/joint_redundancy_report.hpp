// The diagnostic report of joint rule-constraint redundancies (command
// "Diagnosing joint Rule- and Constraint Base redundancies").
#pragma once

#include "report/dialogs.hpp"
#include "state/app_state.hpp"

namespace orve {

// `pisz_nadmiar_2`: the diagnostic report; empties the groups, members and marks.
void pisz_nadmiar_2(AppState& state, Dialogs& ui);

} // namespace orve
