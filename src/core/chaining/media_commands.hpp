// The menu commands that show one advice text or picture, or play one sound, of
// the loaded media base.
#pragma once

#include "report/dialogs.hpp"
#include "state/app_state.hpp"

namespace orve {

// Commands 10105, 10117 and 10128; true when completed.
bool advice_text_inspection(AppState& state, Dialogs& ui);
bool graphics_file_inspection(AppState& state, Dialogs& ui);
bool sound_file_playing(AppState& state, Dialogs& ui);

} // namespace orve
