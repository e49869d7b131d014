// Goal-first verification of names over the rules, with an explicit stack so
// that long chains of rules do not deepen the call stack.
#pragma once

#include "chaining/backward_run.hpp"
#include "models/task.hpp"
#include "report/dialogs.hpp"
#include "state/app_state.hpp"

#include <string>

namespace orve {

// `weryfikowanie_hipotezy`: presents and records the declared data, settles
// the rules concluding "end", then verifies the hypothesis.
void weryfikowanie_hipotezy(AppState& state, Dialogs& ui, BackwardRun& run,
                            const std::string& hypothesis);

// `weryfikowanie_hipotezy_cd`: true when the name is established (already
// true, answered, or concluded by a rule or model). A name that is being
// verified on the current path is not established by that path.
bool weryfikowanie_hipotezy_cd(AppState& state, Dialogs& ui, BackwardRun& run,
                               const std::string& name);
// The same verification as a step, for the go-ahead conditions of models met
// while a name is being verified.
Task<bool> verify_name(AppState& state, Dialogs& ui, BackwardRun& run, const std::string& name);

// `testuj_warunkiws`: verifies the names in order; false at the first one
// that is not established.
bool testuj_warunkiws(AppState& state, Dialogs& ui, BackwardRun& run, const Names& names);

// `komunikat`: announces that the main or an auxiliary hypothesis holds.
void komunikat(AppState& state, Dialogs& ui, const BackwardRun& run, const std::string& name);

} // namespace orve
