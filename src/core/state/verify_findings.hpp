// Findings and verdicts of the rule-base verification tests.
#pragma once

#include "kb/knowledge_base.hpp"

#include <cstdint>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace orve {

// One external inconsistency: rule `a` is brought back to its own conclusion by
// the chain of rules from `b` (first) to `a` (last).
struct InconsistencyRecord {
    int a = 0;
    int b = 0;
    std::vector<int> chain;
};

// External inconsistencies found beyond the records kept: a very cyclic base
// has more cycle paths than can be listed.
struct UnlistedInconsistencies {
    std::uint64_t count = 0; // found but not kept
    bool exact = true;       // false: the search stopped counting, more exist
    bool any() const { return count > 0 || !exact; }
};

// A rule with a single condition, by its position in the loaded rule table:
// a large base may consist of such rules, and copying their names would
// double the memory the table takes. Recorded again at every Rule Base load.
struct SingleConditionRule {
    int number = 0;
    std::size_t index = 0;
};

// A flattened version kept by a test: the rule, its conclusion, the askable
// conditions and the rules used in the order of application.
struct FlattenedRule {
    int number = 0;
    std::string conclusion;
    Names conditions;
    Numbers rules_used;
    bool operator==(const FlattenedRule&) const = default;
};

// Two flattened versions of rules with one conclusion, one version's conditions
// among the other's (`para_splaszczona_n1`).
struct RedundantPair {
    FlattenedRule first;
    FlattenedRule second;
};

// A flattened version needing two conditions of one constraint
// (`sprzecznosc_2_wszystko`).
struct JointInconsistency {
    FlattenedRule version;
    int constraint = 0;
    Names constraint_conditions;
};

// Rules of one conclusion whose flattened versions differ only in one condition
// each, those conditions making up a constraint (`reguly_nadmiarowe_n2`).
struct RedundantGroup {
    Numbers rules;
    int constraint = 0;
    std::vector<Names> conditions; // parallel to `rules`
    bool operator==(const RedundantGroup&) const = default;
};

struct Findings {
    std::vector<InconsistencyRecord> reguly_sprzeczne;
    std::vector<int> reguly_sprzeczne_dla_analizy; // may repeat
    UnlistedInconsistencies unlisted_inconsistencies;
    // `sprzecznosc_1z`: the Rule Base is externally inconsistent; nothing while
    // the test has not run, true for "YES". Set by the external inconsistency
    // test offered after Rule Base loading; cleared only by the next Rule Base
    // loading. Read through `externally_inconsistent()`: it silently refuses
    // the loading of every other base kind, bars chaining, and makes the
    // redundancy and joint rule-constraint tests end without a message.
    std::optional<bool> sprzecznosc_1z;
    // `rozne_numery` "NO": the bases whose rule, model, constraint or advice
    // numbers are not unique. Set by the numbering test of each load; each load
    // forgets only its own base's finding, so loading another base never lifts
    // the bar. Read through `numbers_not_unique()`: the load option fails (its
    // commands stay disabled) and chaining is refused.
    std::set<BaseKind> rozne_numery;
    std::vector<SingleConditionRule> pojedynczy_warunek;
    // `sprzecznosc_mr`: the Model Base and the Rule Base are jointly
    // inconsistent. Set by the joint model-rule check of Model Base loading,
    // cleared by the next Model Base loading. Refuses the loading of a
    // Constraint or Advice Base and bars chaining.
    bool sprzecznosc_mr = false;
    // Joint rule-constraint inconsistency recorded. Set by `wyznacz_sprzecznosc_2`
    // (the offer after Constraint Base loading, or its diagnosis), cleared by the
    // next Constraint Base loading. Makes the Constraint Base load fail, so the
    // commands that load enables stay as they were; chaining is not barred.
    bool joint_inconsistency_found = false;
    // Joint rule-constraint redundancy recorded. Set by `wyznacz_nadmiar_2`,
    // cleared by the next Constraint Base loading; makes the Constraint Base load
    // fail like the joint inconsistency above.
    bool joint_redundancy_found = false;
    // `blad_wykluczajacych`: two mutually exclusive conditions were declared as
    // facts (Rule Base `fact` or Model Base `m_fact`). Set by the declared-facts
    // constraint check at the start of a chaining run; only Rule Base loading
    // clears it. Stops the presentation of the declared facts, ends the run
    // without a verdict, and refuses every later run.
    bool blad_wykluczajacych = false;

    // Rule redundancy: pairs found (consumed by the report) and the versions
    // that show them.
    std::vector<std::pair<int, int>> reguly_nadmiarowe_n1;
    std::vector<RedundantPair> para_splaszczona_n1;
    // `jest_nadmiar`: at least one redundancy was found. Set by
    // `wyznacz_nadmiar`, cleared only by Rule Base loading. Read by the
    // redundancy report: it decides between the full report, which empties the
    // report text first and offers saving, and the "no redundant rules" note.
    bool jest_nadmiar = false;
    // Joint rule-constraint inconsistency: every conflicting pair of conditions
    // and each inconsistent version once (`regula_splaszczona_s2`).
    std::vector<JointInconsistency> sprzecznosc_2_wszystko;
    std::vector<FlattenedRule> regula_splaszczona_s2;
    // Joint rule-constraint redundancy: the groups, their members' versions and
    // the rules already grouped, as (conclusion, number) (`zbadany_wniosek`).
    std::vector<RedundantGroup> reguly_nadmiarowe_n2;
    std::vector<FlattenedRule> regula_splaszczona_n2;
    std::vector<std::pair<std::string, int>> zbadany_wniosek;

    bool numbers_not_unique() const { return !rozne_numery.empty(); }
    bool externally_inconsistent() const { return sprzecznosc_1z.value_or(false); }
};

} // namespace orve
