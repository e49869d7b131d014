// The advice, picture and sound offers that follow a fired rule or relational
// model, and the advice of a run without conclusion.
#pragma once

#include "report/dialogs.hpp"
#include "state/app_state.hpp"

#include <string>

namespace orve {

// `udziel_rady`, `wyswietl_grafike`, `przesluchaj_melodie`: offer the media of
// the rule or relational model with this number and conclusion.
void udziel_rady(AppState& state, Dialogs& ui, int number, const std::string& conclusion);
void wyswietl_grafike(AppState& state, Dialogs& ui, int number, const std::string& conclusion);
void przesluchaj_melodie(AppState& state, Dialogs& ui, int number, const std::string& conclusion);
// The advice of the no-conclusion ending ("..\ADVICES\NIC.hlp"), when present.
void no_conclusion_advice(AppState& state, Dialogs& ui);

} // namespace orve
