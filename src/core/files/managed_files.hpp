// The menu commands that create, edit and delete base files and media files.
// They work on files, not on the loaded bases, except that creating and
// deleting a base file forget the loaded base of its kind.
#pragma once

#include "report/dialogs.hpp"
#include "state/app_state.hpp"

namespace orve {

// The kinds of file these commands manage: the six base kinds and the media
// files of the advice, graphics and sound folders.
enum class ManagedFile {
    RuleBase,
    ModelBase,
    ConstraintBase,
    AdviceBase,
    GraphicsBase,
    SoundBase,
    AdviceText,
    Picture,
    SoundFile,
};

// Creates an empty file of the kind (replacing one of the chosen name) and
// offers to edit it. Defined for the six base kinds and advice texts.
bool create_managed_file(AppState& state, Dialogs& ui, ManagedFile kind);

// Opens the base editor on a picked base file. Defined for the six base kinds.
bool edit_managed_file(AppState& state, Dialogs& ui, ManagedFile kind);

// Deletes a picked file after confirmation; for a base file also forgets the
// loaded base of that kind, whichever file was deleted.
bool delete_managed_file(AppState& state, Dialogs& ui, ManagedFile kind);

} // namespace orve
