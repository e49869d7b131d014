// Rule explanation and the advice, picture and sound offers of chaining, with
// the menu commands that show one advice text, picture or sound.
#pragma once

#include "report/dialogs.hpp"
#include "state/app_state.hpp"

#include <string>

namespace orve {

// `wyjasnienie_rule`: explains a fired rule.
void wyjasnienie_rule(AppState& state, Dialogs& ui, int number, const std::string& conclusion,
                      const Names& conditions);
// `udziel_rady`, `wyswietl_grafike`, `przesluchaj_melodie`: offer the media of
// the rule or relational model with this number and conclusion.
void udziel_rady(AppState& state, Dialogs& ui, int number, const std::string& conclusion);
void wyswietl_grafike(AppState& state, Dialogs& ui, int number, const std::string& conclusion);
void przesluchaj_melodie(AppState& state, Dialogs& ui, int number, const std::string& conclusion);
// The advice of the no-conclusion ending ("..\ADVICES\NIC.hlp"), when present.
void no_conclusion_advice(AppState& state, Dialogs& ui);

// Commands 10105, 10117 and 10128; true when completed.
bool advice_text_inspection(AppState& state, Dialogs& ui);
bool graphics_file_inspection(AppState& state, Dialogs& ui);
bool sound_file_playing(AppState& state, Dialogs& ui);

} // namespace orve
