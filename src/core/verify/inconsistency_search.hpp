// The search behind the external-inconsistency test: for every rule, every path
// of rules that brings its conclusion back among its conditions.
#pragma once

#include "state/verify_findings.hpp"
#include "verify/test_progress.hpp"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace orve {

// Most records one detection keeps; a ring of rules with two rules per step
// has a number of cycle paths exponential in its length.
inline constexpr std::size_t kMaxListedInconsistencies = 1000;
// Most rule numbers kept in the chains of those records, so that a few very
// long cycles cannot fill memory either (the first record is always kept).
inline constexpr std::size_t kMaxListedChainNumbers = 1000000;
// Search steps spent counting the records beyond those kept; when they run
// out, the count is given up and only "more" is known.
inline constexpr std::uint64_t kCountingSteps = 20000000;

// Limits of one search; the defaults are the constants above.
struct InconsistencyLimits {
    std::size_t records = kMaxListedInconsistencies;
    std::size_t chain_numbers = kMaxListedChainNumbers;
    std::uint64_t counting_steps = kCountingSteps;
};

// Fills `reguly_sprzeczne` (in the order of the search, up to the limits),
// `reguly_sprzeczne_dla_analizy` and `unlisted_inconsistencies`. Between two
// records the search does work linear in the base, since branches that cannot
// lead back to the tested conclusion are blocked (Johnson's circuit search).
// Reports each tested rule and the search steps to `progress`.
void search_inconsistencies(const std::vector<Rule>& rules, Findings& findings,
                            const InconsistencyLimits& limits = {},
                            TestProgress& progress = no_progress());

} // namespace orve
