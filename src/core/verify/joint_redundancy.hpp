// Joint rule-constraint redundancy: rules of one conclusion that differ only in
// one condition each, those conditions making up a constraint.
#pragma once

#include "report/dialogs.hpp"
#include "state/app_state.hpp"

namespace orve {

// `wyznacz_nadmiar_2`: the detection; adds the groups found, their members and
// the marks to `findings`, sets the verdict `joint_redundancy_found` and returns true
// when no group is recorded.
bool wyznacz_nadmiar_2(const KnowledgeBaseSet& kb, const AskableLists& askables,
                       Findings& findings);

// `testuj_nadmiar_2`: the offer after loading a Constraint Base. False when
// redundancy was found.
bool testuj_nadmiar_2(AppState& state, Dialogs& ui);

// `informuj_nadmiar_2`: runs the detection unless groups are recorded, informs
// the user; enables the diagnosing command and returns false when redundancy
// exists. False, silently, for an externally inconsistent Rule Base.
bool informuj_nadmiar_2(AppState& state, Dialogs& ui);

// `pisz_nadmiar_2`: the diagnostic report; empties the groups, members and marks.
void pisz_nadmiar_2(AppState& state, Dialogs& ui);

} // namespace orve
