// The model alternatives of backward chaining, tried after the rules that
// conclude a name, and the WHY? explanation for a go-ahead condition.
#pragma once

#include "chaining/backward_run.hpp"
#include "models/task.hpp"
#include "report/dialogs.hpp"
#include "state/app_state.hpp"

#include <string>

namespace orve {

// An arithmetical model (basic, extended, linear, polynomial) computing the
// value of a name that has none yet; unknown go-ahead conditions are verified
// backward. True when one applied.
Task<bool> backward_arithmetic_model(AppState& state, Dialogs& ui, BackwardRun& run,
                                     const std::string& name);

// A basic or extended relational model concluding the name: announced,
// recorded true and explained. True when one established it.
Task<bool> backward_relational_model(AppState& state, Dialogs& ui, BackwardRun& run,
                                     const std::string& name);

// The WHY? explanation for the go-ahead condition of a basic arithmetical,
// extended arithmetical or basic relational model (first match): explains the
// model and shows the chains of rules and models. True when the condition is
// such a go-ahead condition.
bool explain_model_for_why(AppState& state, Dialogs& ui, BackwardRun& run,
                           const std::string& condition);

} // namespace orve
