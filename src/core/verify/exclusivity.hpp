// The conclusion exclusivity analysis: its core, shared with the load-time test
// of models with identical results, and its menu commands.
#pragma once

#include "kb/knowledge_base.hpp"
#include "report/dialogs.hpp"
#include "state/app_state.hpp"
#include "verify/test_progress.hpp"

#include <optional>
#include <string>
#include <vector>

namespace orve {

// A rule taking part in the analysis with its first flattened version
// (`regula_do_testowania`).
struct ExclusivityRule {
    int number = 0;
    std::string conclusion;
    Names conditions;
};

// The analysis kinds (the test-type flag `opcja`).
inline constexpr int kExclusiveToOne = 1;
inline constexpr int kExclusiveToNone = 2;
inline constexpr int kNonExclusive = 3;

// Takes each rule's flattened conditions in turn as the true situation and
// counts the rules holding in it. Nothing when a situation cannot be judged
// (a condition in no exclusion list and no constraint at all); otherwise true
// when some count failed the test of `kind`. Each situation is an inner step
// of `progress`.
std::optional<bool> exclusivity_failure(const KnowledgeBaseSet& kb,
                                        const std::vector<ExclusivityRule>& rules, int kind,
                                        TestProgress& progress = no_progress());

// `analiza_bazy_wiedzy`: the menu commands of the analysis, test kind 1 "to
// one" (10137), 2 "to none" (10138), 3 non-exclusion (10139). A cancelled
// analysis ends the command silently, as a situation that cannot be judged.
bool analiza_bazy_wiedzy(AppState& state, Dialogs& ui, int test_kind);

} // namespace orve
