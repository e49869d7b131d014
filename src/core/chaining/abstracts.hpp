// Abstract files of knowledge bases.
#pragma once

#include "report/dialogs.hpp"
#include "state/app_state.hpp"

namespace orve {

// `czytaj_opis`: shows the abstract of the loaded knowledge base (`opis`) in
// the abstract reading dialogue when the file exists.
void czytaj_opis(AppState& state, Dialogs& ui);

} // namespace orve
