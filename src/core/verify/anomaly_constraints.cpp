// Rules that can never fire because every way of establishing their conditions
// needs two mutually exclusive conditions.
#include "verify/anomaly_checks.hpp"

#include "verify/flattening.hpp"
#include "verify/flattening_index.hpp"

#include <algorithm>
#include <cstddef>
#include <optional>
#include <vector>

namespace orve {

namespace {

// A rule with more flattened versions than this is left undecided: listing
// them all could take longer than any teacher waits.
constexpr long long kMaxVersionsPerRule = 10000;
// Versions examined over the whole base before the test stops.
constexpr long long kMaxVersions = 1000000;

// Which constraints hold each interned name, and a test of one version.
class ConstraintMembership {
  public:
    ConstraintMembership(const FlatteningIndex& index, const std::vector<Constraint>& constraints)
        : holding_(index.name_count()), stamp_(constraints.size(), 0) {
        for (std::size_t c = 0; c < constraints.size(); ++c) {
            for (const auto& name : constraints[c].conditions) {
                const NameId id = index.id_of(name);
                if (id != FlatteningIndex::kUnknown &&
                    (holding_[slot(id)].empty() || holding_[slot(id)].back() != c)) {
                    holding_[slot(id)].push_back(c);
                }
            }
        }
    }

    // The first constraint two of the version's conditions belong to, if any.
    std::optional<std::size_t> broken(const std::vector<NameId>& conditions) {
        ++visit_;
        for (const NameId id : conditions) {
            for (const std::size_t c : holding_[slot(id)]) {
                if (stamp_[c] == visit_) {
                    return c;
                }
                stamp_[c] = visit_;
            }
        }
        return std::nullopt;
    }

  private:
    static std::size_t slot(NameId id) { return static_cast<std::size_t>(id); }

    std::vector<std::vector<std::size_t>> holding_;
    std::vector<long long> stamp_;
    long long visit_ = 0;
};

} // namespace

std::vector<Anomaly> find_rules_blocked_by_constraints(const KnowledgeBaseSet& kb,
                                                       const AskableLists& askables) {
    std::vector<Anomaly> found;
    if (kb.constraint.constraints.empty()) {
        return found;
    }
    const FlatteningIndex index(kb.rule, askables);
    ConstraintMembership membership(index, kb.constraint.constraints);
    long long budget = kMaxVersions;
    for (std::size_t r = 0; r < index.rules().size() && budget > 0; ++r) {
        if (!index.rule_flattenable(r)) {
            continue; // never fires whatever the constraints say
        }
        long long versions = 0;
        bool free_version = false;
        Numbers constraints;
        flatten_ids(index, index.rule_conditions(r), [&](const FlatView& view) {
            ++versions;
            --budget;
            const auto c = membership.broken(view.conditions);
            if (!c) {
                free_version = true;
                return false;
            }
            const int number = kb.constraint.constraints[*c].number;
            if (std::find(constraints.begin(), constraints.end(), number) == constraints.end()) {
                constraints.push_back(number);
            }
            return versions < kMaxVersionsPerRule && budget > 0;
        });
        const bool complete = versions < kMaxVersionsPerRule && budget > 0;
        if (versions > 0 && !free_version && complete) {
            const Rule& rule = index.rules()[r];
            found.push_back(
                {AnomalyKind::BlockedByConstraints, {rule.number}, constraints, {rule.conclusion}});
        }
    }
    return found;
}

} // namespace orve
