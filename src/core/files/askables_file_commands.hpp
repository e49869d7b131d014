// The commands of the askables file: creating, reading and deleting it.
#pragma once

#include "report/dialogs.hpp"
#include "state/app_state.hpp"

namespace orve {

// "Askable conditions and arguments file creating" (`zachowaj`): writes the
// askables file of the loaded bases under a name the user picks, asking before
// a file is replaced. False when cancelled or not written.
bool askables_file_creating(AppState& state, Dialogs& ui);

// "Askable conditions and arguments file reading": shows a picked file.
bool askables_file_reading(AppState& state, Dialogs& ui);

// "Askable conditions and arguments file deleting": deletes a picked file
// after confirmation.
bool askables_file_deleting(AppState& state, Dialogs& ui);

} // namespace orve
