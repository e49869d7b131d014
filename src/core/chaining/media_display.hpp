// Showing one advice text or picture, or playing one sound, named by a media
// clause.
#pragma once

#include "report/dialogs.hpp"
#include "state/app_state.hpp"

#include <string>

namespace orve {

// What became of a media file.
enum class MediaShown {
    Shown,    // shown or started
    Unusable, // missing, empty or not of its kind: nothing shown, nothing said
    Refused,  // a name leaving the media folder or a file refused for its size: noted
};

// Finds the media file named `file` and shows or plays it: an advice text in the
// "Advice file inspection" dialogue, a picture in "Graphics file inspection",
// a sound without waiting.
MediaShown present_media(AppState& state, Dialogs& ui, BaseKind kind, const std::string& file);

} // namespace orve
