// The menu commands of the media folders: browsing advice texts, pictures and
// sounds, and the folder dialogues.
#pragma once

#include "report/dialogs.hpp"
#include "state/app_state.hpp"

namespace orve {

// The three kinds of media folder.
enum class MediaFolder { Advice, Graphics, Sound };

// Forgets the knowledge-base name, then shows the picked advice text or
// picture, or plays the picked sound. Until the Rule Base is loaded again,
// no other base is accepted as belonging to the knowledge base.
bool browse_media(AppState& state, Dialogs& ui, MediaFolder folder);

// The open-file dialogue in which a desktop user manages media folders with
// the dialogue's own means; the answer is not used.
bool manage_media_folders(AppState& state, Dialogs& ui, MediaFolder folder);

} // namespace orve
