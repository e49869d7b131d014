// The askables display command of the Rule Base.
#pragma once

#include "report/dialogs.hpp"
#include "state/app_state.hpp"

namespace orve {

// "Rule Base askable conditions": shows the Rule Base's askable conditions in the
// askables inspection window, with the model conclusions left out while a Model
// Base is loaded. Does nothing without a Rule Base.
void show_rule_base_askables(const AppState& state, Dialogs& ui);

// "Model Base askable conditions and arguments": the Model Base's own askable
// conditions and arguments. Does nothing without a Model Base.
void show_model_base_askables(const AppState& state, Dialogs& ui);

// "Joint Model- and Rule Base askable conditions and arguments": the joint
// askables of both bases. Does nothing unless both are loaded.
void show_joint_askables(const AppState& state, Dialogs& ui);

} // namespace orve
