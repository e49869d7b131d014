// The structure tests of a loaded Model Base: known operations and relations,
// and list lengths of the linear and polynomial models.
#pragma once

#include "report/dialogs.hpp"
#include "state/app_state.hpp"

namespace orve {

// Each test examines its models in Model Base order; the first faulty model
// is reported, the Model Base is discarded and the result is false.
bool testuj_operacje_relacje_modeli_elementarnych(AppState& state, Dialogs& ui);
bool testuj_operacje_relacje_modeli_rozwinietych(AppState& state, Dialogs& ui);
bool testuj_listy_modeli_liniowych(AppState& state, Dialogs& ui);
bool testuj_listy_modeli_wielomianowych(AppState& state, Dialogs& ui);

// The four tests in the order of loading; stops at the first that fails.
bool model_structure_tests(AppState& state, Dialogs& ui);

} // namespace orve
