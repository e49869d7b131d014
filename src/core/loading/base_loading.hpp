// The loading commands of the six base kinds: `opcja_z_menu_glownego` with the
// option codes 1, 2, 3, 4, 16 and 17.
#pragma once

#include "kb/knowledge_base.hpp"
#include "report/dialogs.hpp"
#include "state/app_state.hpp"

namespace orve {

// Runs the whole load procedure of a base kind with its follow-up steps.
// True when the option completed (refusals that end with a note included),
// false when it failed.
bool load_base(AppState& state, Dialogs& ui, BaseKind kind);

// Empties everything that Rule Base loading resets; command states stay.
void reset_for_rule_base(AppState& state);

} // namespace orve
