// Asking the user about a condition, and the constraints that keep at most one
// condition of a group of mutually exclusive conditions true.
#pragma once

#include "report/dialogs.hpp"
#include "state/app_state.hpp"

#include <string>

namespace orve {

// The first constraint in file order that contains the condition, if any.
const Constraint* first_constraint_with(const ConstraintBase& base, const std::string& condition);

// `pytaj_o_warunek`: asks about an unknown condition, by a choice among the
// conditions of its constraint or by a Yes/No question. True when the
// condition is now true.
bool pytaj_o_warunek(AppState& state, Dialogs& ui, const std::string& condition);

// `uwzglednij_ograniczenie`: after the condition became true, records false
// every other condition of the first constraint containing it.
void uwzglednij_ograniczenie(AppState& state, const std::string& condition);

// `pamietaj_warunki_nie_bedace_faktami`: records false every listed condition
// that is not true.
void pamietaj_warunki_nie_bedace_faktami(WorkingMemory& memory, const Names& conditions);

// `zapisz_nieprawda_jezeli_brak`: records the condition false unless it is
// already recorded false.
void zapisz_nieprawda_jezeli_brak(WorkingMemory& memory, const std::string& condition);

// `testuj_wykluczajace` / `testuj_m_wykluczajace`: reports the first pair of
// declared facts (of the Rule Base) or m_facts (of the Model Base) that a
// constraint excludes, and sets `blad_wykluczajacych`.
void testuj_wykluczajace(AppState& state, Dialogs& ui, const std::string& fact);
void testuj_m_wykluczajace(AppState& state, Dialogs& ui, const std::string& m_fact);

} // namespace orve
