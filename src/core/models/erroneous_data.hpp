// The search for erroneous declared data through "Error in data" models.
#pragma once

#include "models/model_evaluation.hpp"

namespace orve {

// `szukanie_błędnych_danych`: true when no "Error in data" model fires.
// Otherwise the first that fires is explained through the context's
// `on_applied` hook, the values it tested are removed, "Error in data" is
// recorded true, the user is told, and the result is false.
bool szukanie_blednych_danych(EvaluationContext& context);
// The same search as a step of an evaluation.
Task<bool> szukanie_blednych_danych_task(EvaluationContext& context);

} // namespace orve
