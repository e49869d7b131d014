// Findings and verdicts of the rule-base verification tests.
#pragma once

#include "kb/knowledge_base.hpp"

#include <optional>
#include <set>
#include <string>
#include <vector>

namespace orve {

// One external inconsistency: rule `a` is brought back to its own conclusion by
// the chain of rules from `b` (first) to `a` (last).
struct InconsistencyRecord {
    int a = 0;
    int b = 0;
    std::vector<int> chain;
};

struct SingleConditionRule {
    int number = 0;
    std::string conclusion;
    std::string condition;
};

struct Findings {
    std::vector<InconsistencyRecord> reguly_sprzeczne;
    std::vector<int> reguly_sprzeczne_dla_analizy; // may repeat
    // `sprzecznosc_1z`: nothing while the test has not run; true for "YES".
    std::optional<bool> sprzecznosc_1z;
    // `rozne_numery` "NO": the bases whose numbers are not unique. Each load
    // forgets only its own base's finding, so loading another base never
    // lifts the bar on chaining.
    std::set<BaseKind> rozne_numery;
    std::vector<SingleConditionRule> pojedynczy_warunek;
    // Verdicts of later tests, read by the load preconditions.
    bool sprzecznosc_mr = false;
    bool sprzecznosc_2 = false;  // joint rule-constraint inconsistency recorded
    bool nadmiarowosc_2 = false; // joint rule-constraint redundancy recorded
    bool blad_wykluczajacych = false;

    bool numbers_not_unique() const { return !rozne_numery.empty(); }
    bool externally_inconsistent() const { return sprzecznosc_1z.value_or(false); }
};

} // namespace orve
