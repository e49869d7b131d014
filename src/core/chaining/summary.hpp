// The label dialogue at the start of a run and the summary dialogue at its end.
#pragma once

#include "report/dialogs.hpp"
#include "state/app_state.hpp"

namespace orve {

// `generuj_etykiety`: clears and asks the labels of the run.
void generuj_etykiety(AppState& state, Dialogs& ui);
// `podsumowanie`: offers to save the summary of a run that ended normally.
void podsumowanie(AppState& state, Dialogs& ui);

} // namespace orve
