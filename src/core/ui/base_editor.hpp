// The base editor window: one knowledge-base or abstract file, edited as a
// whole text and written back on request.
#pragma once

#include "report/dialogs.hpp"
#include "state/app_state.hpp"

#include <string>

namespace orve {

// Opens the editor on the file `path` and returns once its window has closed.
// The whole text is written back only on the user's request, atomically, so a
// failed save leaves the old file as it was. Afterwards the Rule Base counts as
// not loaded. False when the file could not be read (a note says why; then
// nothing changes).
bool open_base_editor(AppState& state, Dialogs& ui, const std::string& path);

} // namespace orve
