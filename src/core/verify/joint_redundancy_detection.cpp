// Detection of joint rule-constraint redundancies.
#include "verify/joint_redundancy_detection.hpp"

#include "verify/flat_versions.hpp"
#include "verify/flattening_index.hpp"

#include <algorithm>
#include <set>

namespace orve {

namespace {

// A candidate flattened rule (`regula_splaszczona_dopuszczalna`).
struct Candidate {
    std::size_t rule;
    const FlatVersion* version;
};

class Detection {
  public:
    Detection(const KnowledgeBaseSet& kb, const AskableLists& askables, Findings& findings,
              TestProgress& progress)
        : index_(kb.rule, askables), cache_(index_, progress), progress_(progress),
          findings_(findings), mark_(index_.name_count(), 0), epoch_(index_.name_count(), 0),
          computed_(index_.name_count(), kNever), count_(index_.name_count(), 0) {
        for (const auto& [conclusion, number] : findings.zbadany_wniosek) {
            marked_.insert({index_.id_of(conclusion), number});
        }
    }

    void run(const std::vector<Constraint>& constraints) {
        const auto total = static_cast<long long>(constraints.size());
        for (std::size_t c = 0; c < constraints.size(); ++c) {
            progress_.reach(static_cast<long long>(c), total);
            run(constraints[c]);
        }
    }

  private:
    static constexpr long long kNever = -1;

    // Every candidate of the constraint in order; each one judges the group of
    // its conclusion. The group depends only on which rules of that conclusion
    // are marked, so it is judged again only after a mark of that conclusion.
    void run(const Constraint& constraint) {
        std::vector<NameId> members;
        for (const auto& name : constraint.conditions) {
            members.push_back(index_.id_of(name));
        }
        std::fill(computed_.begin(), computed_.end(), kNever);
        for (std::size_t rule = 0; rule < index_.rules().size(); ++rule) {
            if (marked(rule)) {
                continue;
            }
            const auto slot = static_cast<std::size_t>(index_.rule_conclusion(rule));
            for (const FlatVersion& version : cache_.versions(rule)) {
                progress_.tick();
                for (std::size_t n = occurrences(members, version); n > 0; --n) {
                    if (computed_[slot] == epoch_[slot]) {
                        continue;
                    }
                    computed_[slot] = epoch_[slot];
                    judge(constraint, members, rule);
                }
            }
        }
    }

    bool marked(std::size_t rule) const {
        return marked_.count({index_.rule_conclusion(rule), index_.rules()[rule].number}) != 0;
    }

    // How many entries of the constraint's list occur in the version.
    std::size_t occurrences(const std::vector<NameId>& members, const FlatVersion& version) {
        ++stamp_;
        for (const NameId name : version.conditions) {
            mark_[static_cast<std::size_t>(name)] = stamp_;
        }
        return static_cast<std::size_t>(
            std::count_if(members.begin(), members.end(), [&](NameId m) {
                return m != FlatteningIndex::kUnknown &&
                       mark_[static_cast<std::size_t>(m)] == stamp_;
            }));
    }

    // The candidates of the constraint concluding what `rule` concludes.
    std::vector<Candidate> group_of(const std::vector<NameId>& members, std::size_t rule) {
        std::vector<Candidate> group;
        for (const std::size_t other : index_.concluding(index_.rule_conclusion(rule))) {
            if (marked(other)) {
                continue;
            }
            for (const FlatVersion& version : cache_.versions(other)) {
                for (std::size_t n = occurrences(members, version); n > 0; --n) {
                    group.push_back({other, &version});
                }
            }
        }
        return group;
    }

    // The remainders of the versions once the conditions common to all are
    // taken away must be single conditions that, without repeats, make up
    // the constraint's list exactly.
    bool redundant(const std::vector<NameId>& members, const std::vector<Candidate>& group) {
        if (group.empty()) {
            return false;
        }
        for (const Candidate& c : group) {
            for (const NameId name : c.version->conditions) {
                ++count_[static_cast<std::size_t>(name)];
            }
        }
        std::set<NameId> remainders;
        bool single = true;
        for (const Candidate& c : group) {
            std::size_t left = 0;
            for (const NameId name : c.version->conditions) {
                if (count_[static_cast<std::size_t>(name)] != group.size()) {
                    ++left;
                    remainders.insert(name);
                }
            }
            single = single && left == 1;
        }
        for (const Candidate& c : group) {
            for (const NameId name : c.version->conditions) {
                count_[static_cast<std::size_t>(name)] = 0;
            }
        }
        std::vector<NameId> expected = members;
        std::sort(expected.begin(), expected.end());
        return single &&
               std::equal(remainders.begin(), remainders.end(), expected.begin(), expected.end());
    }

    void judge(const Constraint& constraint, const std::vector<NameId>& members, std::size_t rule) {
        const std::vector<Candidate> group = group_of(members, rule);
        if (!redundant(members, group)) {
            return;
        }
        RedundantGroup found{{}, constraint.number, {}};
        for (const Candidate& c : group) {
            found.rules.push_back(index_.rules()[c.rule].number);
            found.conditions.push_back(index_.names_of(c.version->conditions));
        }
        auto& groups = findings_.reguly_nadmiarowe_n2;
        if (std::find(groups.begin(), groups.end(), found) != groups.end()) {
            return;
        }
        const Rule& first = index_.rules()[rule];
        const NameId conclusion = index_.rule_conclusion(rule);
        findings_.zbadany_wniosek.emplace_back(first.conclusion, first.number);
        marked_.insert({conclusion, first.number});
        ++epoch_[static_cast<std::size_t>(conclusion)];
        for (std::size_t i = 0; i < group.size(); ++i) {
            findings_.regula_splaszczona_n2.push_back(
                {found.rules[i], first.conclusion, found.conditions[i], group[i].version->used});
        }
        groups.push_back(std::move(found));
    }

    const FlatteningIndex index_;
    FlatVersionCache cache_;
    TestProgress& progress_;
    Findings& findings_;
    std::set<std::pair<NameId, int>> marked_;
    std::vector<unsigned> mark_;
    unsigned stamp_ = 0;
    std::vector<long long> epoch_;
    std::vector<long long> computed_;
    std::vector<std::size_t> count_;
};

} // namespace

bool wyznacz_nadmiar_2(const KnowledgeBaseSet& kb, const AskableLists& askables, Findings& findings,
                       TestProgress& progress) {
    Detection(kb, askables, findings, progress).run(kb.constraint.constraints);
    findings.joint_redundancy_found = !findings.reguly_nadmiarowe_n2.empty();
    return !findings.joint_redundancy_found;
}

} // namespace orve
