// Quick structural checks run at loading: base correspondence, constraint length
// and askability.
#pragma once

#include "report/dialogs.hpp"
#include "state/app_state.hpp"

#include <string>

namespace orve {

// The knowledge-base name of a base file name: the name without its folder and
// its two-character kind prefix, cut at the first character that cannot continue
// a name (letters, digits, underscore).
std::string knowledge_base_name_of(const std::string& file_name);

// `korespondencja`: true when the chosen base file belongs to the loaded Rule
// Base; otherwise reports the refusal.
bool korespondencja(AppState& state, Dialogs& ui, const std::string& file_name);

// `wykrywanie_ograniczen_pojedynczych`: true when every constraint lists at least
// two conditions; otherwise reports the first and discards the Constraint Base.
bool wykrywanie_ograniczen_pojedynczych(AppState& state, Dialogs& ui);

// `kontrola_dopytywalnosci_ograniczen`: true when every constraint condition is
// admissible; otherwise reports the first and discards the Constraint Base.
bool kontrola_dopytywalnosci_ograniczen(AppState& state, Dialogs& ui);

} // namespace orve
