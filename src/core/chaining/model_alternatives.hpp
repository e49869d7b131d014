// The model alternatives of the forward chaining loop, tried in this order
// after the rules. Each applies the first applicable model of its kind and
// returns true, or returns false when none applies.
#pragma once

#include "report/dialogs.hpp"
#include "state/app_state.hpp"

namespace orve {

// Basic models (`model_b`) with an arithmetic operation.
bool apply_basic_arithmetic_model(AppState& state, Dialogs& ui);
// Extended models (`model_e`) with an arithmetic operation.
bool apply_extended_arithmetic_model(AppState& state, Dialogs& ui);
// Linear models (`model_lin`).
bool apply_linear_model(AppState& state, Dialogs& ui);
// Polynomial models (`model_poly`).
bool apply_polynomial_model(AppState& state, Dialogs& ui);
// Basic models with a simple relation.
bool apply_basic_relational_model(AppState& state, Dialogs& ui);
// Extended models with an interval relation.
bool apply_extended_relational_model(AppState& state, Dialogs& ui);

} // namespace orve
