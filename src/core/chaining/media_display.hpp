// Showing one advice text or picture, or playing one sound, named by a media
// clause.
#pragma once

#include "report/dialogs.hpp"
#include "state/app_state.hpp"

#include <string>

namespace orve {

// Finds the media file named `file` and shows or plays it: an advice text in the
// "Advice file inspection" dialogue, a picture in "Graphics file inspection",
// a sound without waiting. False, with nothing shown, when the file is missing,
// empty or not of its kind.
bool present_media(AppState& state, Dialogs& ui, BaseKind kind, const std::string& file);

} // namespace orve
