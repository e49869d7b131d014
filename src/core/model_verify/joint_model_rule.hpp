// Joint inconsistency of the Model Base and the Rule Base: a relational model
// whose go-ahead condition is concluded by a rule that depends, through
// relational models, on that same condition.
#pragma once

#include "report/dialogs.hpp"
#include "state/app_state.hpp"

namespace orve {

// `informuj_sprzecznosc_mr`: the load-time test. Rebuilds the records and the
// verdict `sprzecznosc_mr`; true when the bases are not jointly inconsistent.
// Otherwise gives the notice, enables "Diagnosing joint Model- and Rule Base
// inconsistencies" and returns false.
bool informuj_sprzecznosc_mr(AppState& state, Dialogs& ui);

} // namespace orve
