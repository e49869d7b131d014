// The commands of abstract files (*.abs): inspecting, editing, creating and
// deleting them.
#pragma once

#include "report/dialogs.hpp"
#include "state/app_state.hpp"

namespace orve {

// "Abstract inspection": shows a picked abstract file.
bool abstract_inspection(AppState& state, Dialogs& ui);

// "Abstract editing": opens a picked abstract file in the editor window.
bool abstract_editing(AppState& state, Dialogs& ui);

// "Abstract creating": creates an empty abstract file (emptying one that
// exists) and offers to edit it.
bool abstract_creating(AppState& state, Dialogs& ui);

// "Abstract deleting": deletes a picked abstract file after confirmation.
bool abstract_deleting(AppState& state, Dialogs& ui);

} // namespace orve
