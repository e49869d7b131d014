// The inspection commands of the bases: a base file
// shown whole as text, or one clause kind in its record browser. A request for
// a kind without clauses ends with a note saying so.
#pragma once

#include "report/dialogs.hpp"
#include "state/app_state.hpp"

namespace orve {

// "Inspecting a single rule" / "Inspecting all rules".
bool inspect_single_rule(AppState& state, Dialogs& ui);
bool inspect_all_rules(AppState& state, Dialogs& ui);

// "Basic models", "Extended models", "Linear models", "Polynomial models".
bool inspect_basic_models(AppState& state, Dialogs& ui);
bool inspect_extended_models(AppState& state, Dialogs& ui);
bool inspect_linear_models(AppState& state, Dialogs& ui);
bool inspect_polynomial_models(AppState& state, Dialogs& ui);

// "Inspecting all models": fails when no Model Base is loaded.
bool inspect_all_models(AppState& state, Dialogs& ui);

// "Inspecting a single constraint" / "Inspecting all constraints".
bool inspect_single_constraint(AppState& state, Dialogs& ui);
bool inspect_all_constraints(AppState& state, Dialogs& ui);

// "Advice Base inspection", "Graphics Base inspection", "Sound Base inspection":
// the loaded media base file as text.
bool inspect_advice_base(AppState& state, Dialogs& ui);
bool inspect_graphics_base(AppState& state, Dialogs& ui);
bool inspect_sound_base(AppState& state, Dialogs& ui);

} // namespace orve
