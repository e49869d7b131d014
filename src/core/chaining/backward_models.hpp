// The model alternatives of backward chaining. Model evaluation is not wired
// into backward chaining yet: each of these reports "not applicable", so a
// name is established by rules alone.
#pragma once

#include "app/app_state.hpp"
#include "chaining/backward_run.hpp"
#include "report/dialogs.hpp"

#include <string>

namespace orve {

// An arithmetical model (basic, extended, linear, polynomial) computing the
// value of the name. True when one applied.
bool backward_arithmetic_model(AppState& state, Dialogs& ui, BackwardRun& run,
                               const std::string& name);

// A basic or extended relational model concluding the name. True when one
// established it.
bool backward_relational_model(AppState& state, Dialogs& ui, BackwardRun& run,
                               const std::string& name);

// The WHY? explanation for the go-ahead condition of a model: explains the
// model and shows the chains of rules and models. True when the condition is
// the go-ahead condition of a model that has an explanation.
bool explain_model_for_why(AppState& state, Dialogs& ui, BackwardRun& run,
                           const std::string& condition);

} // namespace orve
