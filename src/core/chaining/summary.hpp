// Summary labels and summary files of chaining runs.
#pragma once

#include "report/dialogs.hpp"
#include "state/app_state.hpp"

namespace orve {

// `generuj_etykiety`: clears and asks the labels of the run.
void generuj_etykiety(AppState& state, Dialogs& ui);
// `podsumowanie`: offers to save the summary of a run that ended normally.
void podsumowanie(AppState& state, Dialogs& ui);

// Commands 10147 "Summary reading" and 10148 "Summary deleting".
bool summary_reading(AppState& state, Dialogs& ui);
bool summary_deleting(AppState& state, Dialogs& ui);

} // namespace orve
