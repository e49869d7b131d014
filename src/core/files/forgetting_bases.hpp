// What the file management commands empty or forget of the loaded bases.
#pragma once

#include "files/managed_files.hpp"
#include "state/app_state.hpp"

namespace orve {

// Empties what a creating command empties before its file dialogue (so that a
// cancelled dialogue empties it too). The Rule Base is emptied only once its
// new file exists (empty_rule_base); media files empty nothing.
void empty_before_creating(AppState& state, ManagedFile kind);

// Empties the Rule Base tables and the askable lists derived from them; no
// Rule Base is loaded afterwards.
void empty_rule_base(AppState& state);

// Forgets the loaded base of a deleted base file's kind: its name record and
// its clauses. Media files forget nothing.
void forget_loaded_base(AppState& state, ManagedFile kind);

} // namespace orve
