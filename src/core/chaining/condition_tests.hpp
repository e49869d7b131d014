// Testing rule conditions against the working memory, recording truth values
// and presenting the established facts.
#pragma once

#include "report/dialogs.hpp"
#include "state/app_state.hpp"

#include <cstddef>
#include <functional>
#include <optional>
#include <string>

namespace orve {

// True when the condition is in the general askable list of chaining.
bool is_askable_in_chaining(const AppState& state, const std::string& condition);

// Tests the conditions in order, asking the user about unknown askable ones.
// Returns the position of the condition that stopped the test (false, answered
// false, or unknown and not askable), or nothing when every condition holds.
std::optional<std::size_t> first_unmet_condition(AppState& state, Dialogs& ui,
                                                 const Names& conditions);

// Answers whether a condition is askable in chaining.
using AskableTest = std::function<bool(const std::string& condition)>;

// As above, with the askability test supplied by the caller.
std::optional<std::size_t> first_unmet_condition(AppState& state, Dialogs& ui,
                                                 const Names& conditions,
                                                 const AskableTest& askable);

// `testuj_warunki`: true when every condition holds; an empty list holds.
bool testuj_warunki(AppState& state, Dialogs& ui, const Names& conditions);

// `pamietaj`: records a condition true (then applies its constraint) unless it
// is already true, or false unless it is already false.
void pamietaj(AppState& state, const std::string& condition, bool holds);

// `przedstawienie_faktow`: at the high level of detail writes and shows the
// true and the false conditions; otherwise does nothing.
void przedstawienie_faktow(AppState& state, Dialogs& ui);

} // namespace orve
