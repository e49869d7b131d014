// The declared data of a forward run: the facts of the Rule Base, the m_facts
// and known argument values of the Model Base, and the known variables.
#pragma once

#include "report/dialogs.hpp"
#include "state/app_state.hpp"

namespace orve {

// Writes and shows the declared facts of the Rule Base, checking each against
// the constraints. False when two of them exclude each other.
bool present_declared_facts(AppState& state, Dialogs& ui);

// `przedstawienie_m_faktow_pierwotnych`: the same for the m_facts of the Model
// Base. False when two of them exclude each other.
bool przedstawienie_m_faktow_pierwotnych(AppState& state, Dialogs& ui);

// `przedstawienie_zmiennych_pierwotnych`: writes and shows the declared
// argument values of the Model Base, when there are any.
void przedstawienie_zmiennych_pierwotnych(AppState& state, Dialogs& ui);

// Records every fact and m_fact true (with their constraints) and every
// declared argument value known, in file order.
void record_declared_data(AppState& state);

// `przedstawienie_zmiennych`: at the high level of detail writes and shows the
// known variable values; otherwise does nothing.
void przedstawienie_zmiennych(AppState& state, Dialogs& ui);

} // namespace orve
