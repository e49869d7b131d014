// External inconsistency of a Rule Base: rules whose conclusion comes back among
// their own conditions through other rules.
#pragma once

#include "report/dialogs.hpp"
#include "state/app_state.hpp"
#include "verify/test_progress.hpp"

#include <optional>
#include <string>

namespace orve {

// Type names of findings for a Rule Base extension: "IEE1" and so on for ".EEB"
// (compared in upper case); nothing for any other extension. `kind` is one of
// "I" + 1 (external inconsistency), "R" + 1 (redundancy), "I" + 2, "R" + 2.
std::optional<std::string> finding_type_name(const std::string& rozszerzenie, char letter,
                                             int digit);

// `badaj_sprzecznosc_1z`: the detection; records and verdict in `findings`.
void badaj_sprzecznosc_1z(const RuleBase& rules, Findings& findings,
                          TestProgress& progress = no_progress());

// `testuj_sprzecznosc_1z`: the offer after loading. False when the base is
// externally inconsistent.
bool testuj_sprzecznosc_1z(AppState& state, Dialogs& ui);

// `informuj_sprzecznosc_1z`: runs the test unless the verdict is already "YES",
// informs the user and enables 10071. False for an inconsistent base; true,
// with nothing changed, when the user cancels the test.
bool informuj_sprzecznosc_1z(AppState& state, Dialogs& ui);

} // namespace orve
