// The verification tests built on flattening, on a ring of rules with two rules
// per step: every rule has 2^(steps-1) ways round the ring, none of which ends
// in askable conditions.
#include "verify/flattening.hpp"
#include "verify/flattening_index.hpp"
#include "verify/joint_inconsistency.hpp"
#include "verify/joint_redundancy_detection.hpp"
#include "verify/redundancy.hpp"
#include "verify_fixture.hpp"

#include <gtest/gtest.h>

namespace orve {
namespace {

TEST(RingOfRules, FlatteningTestsEndWithoutTryingEveryWayRound) {
    for (const int steps : {20, 100}) {
        SCOPED_TRACE(steps);
        AppState state = test::checked_state(test::ring_of_pairs(steps));
        test::load_constraints(state, {{1, {"x", "y"}}});
        const FlatteningIndex index(state.kb.rule, state.askables);
        std::size_t versions = 0;
        for (std::size_t rule = 0; rule < index.rules().size(); ++rule) {
            flatten_ids(index, index.rule_conditions(rule), [&versions](const FlatView&) {
                ++versions;
                return true;
            });
        }
        EXPECT_EQ(versions, 0U);
        Findings& findings = state.findings;
        EXPECT_TRUE(wyznacz_nadmiar(state.kb.rule, state.askables, findings));
        EXPECT_TRUE(wyznacz_sprzecznosc_2(state.kb, state.askables, findings));
        EXPECT_TRUE(wyznacz_nadmiar_2(state.kb, state.askables, findings));
    }
}

} // namespace
} // namespace orve
