// Explanations of the applied relational models, written and shown as those of
// the arithmetical models (model_explanation.hpp), followed by the rating of
// their conclusion.
#pragma once

#include "report/dialogs.hpp"
#include "state/app_state.hpp"

#include <string>

namespace orve {

// Found by number and conclusion, with the values of their arguments. After the
// explanation comes the rating question when a rating argument for the
// conclusion exists; false only when the rating fails.
bool wyjasnienie_model_relacyjny(AppState& state, Dialogs& ui, int number,
                                 const std::string& conclusion, double first, double second);
bool wyjasnienie_model_relacyjny_r(AppState& state, Dialogs& ui, int number,
                                   const std::string& conclusion, double lower, double value,
                                   double upper);

} // namespace orve
