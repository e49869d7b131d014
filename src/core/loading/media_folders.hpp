// The media folders of the Advice, Graphics and Sound Bases.
#pragma once

#include "report/dialogs.hpp"
#include "state/app_state.hpp"

namespace orve {

// The media folder of a base kind for the loaded knowledge base, e.g.
// "../ADVICES/boiler"; empty for the other kinds.
std::string media_folder(const AppState& state, BaseKind kind);

// The loading check: the folder must hold at least one file of its media kind.
// Records the folder, or reports and refuses the base. True for other kinds.
bool check_media_folder(AppState& state, Dialogs& ui, BaseKind kind);

} // namespace orve
