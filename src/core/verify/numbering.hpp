// Uniqueness of the numbers of rules, models, constraints and advices.
#pragma once

#include "report/dialogs.hpp"
#include "state/app_state.hpp"

#include <optional>
#include <vector>

namespace orve {

// The first number of the list that occurs again further on.
std::optional<int> first_repeated(const std::vector<int>& numbers);

// Each returns true when the numbers of its base are unique; otherwise it
// reports, records `rozne_numery` and returns false.
bool testuj_numery_regul(AppState& state, Dialogs& ui);
bool testuj_numery_modeli(AppState& state, Dialogs& ui);
bool testuj_numery_ograniczen(AppState& state, Dialogs& ui);
bool testuj_numery_rad(AppState& state, Dialogs& ui);

} // namespace orve
