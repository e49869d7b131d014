// The explanation written and shown every time a rule fires.
#pragma once

#include "report/dialogs.hpp"
#include "state/app_state.hpp"

#include <string>

namespace orve {

// `wyjasnienie_rule`: explains a fired rule.
void wyjasnienie_rule(AppState& state, Dialogs& ui, int number, const std::string& conclusion,
                      const Names& conditions);

} // namespace orve
