// Asking the user during backward chaining, with the WHY? answer and the
// displays of the chain of reasoning.
#pragma once

#include "chaining/backward_run.hpp"
#include "report/dialogs.hpp"
#include "state/app_state.hpp"

#include <string>
#include <vector>

namespace orve {

// `pytaj_o_warunek_wstecz`: asks about an askable condition that is neither
// true nor false, by the choice among the conditions of its constraint or by a
// Yes/No/WHY? question. True when the answer established the condition.
bool pytaj_o_warunek_wstecz(AppState& state, Dialogs& ui, BackwardRun& run,
                            const std::string& condition);

// `przebieg_wnioskowania_reguly`: writes and shows what each listed rule
// concludes.
void przebieg_wnioskowania_reguly(AppState& state, Dialogs& ui, const std::vector<int>& rules);

// `przebieg_wnioskowania_modele`: the same for applied models.
void przebieg_wnioskowania_modele(AppState& state, Dialogs& ui, const std::vector<int>& models);

} // namespace orve
