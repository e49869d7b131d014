// The flattening engine: a depth-first enumeration over the choice of rule for
// every condition of every pass, kept on explicit stacks, so neither a long
// chain of rules nor many passes deepen the call stack.
//
// Each condition carries the conclusions on the path that brought it in (its
// ancestry). Expanding a condition through a rule adds that condition to the
// ancestry of the new conditions; a condition already in its own ancestry is not
// expanded again, which drops the branch unless it may keep the condition as
// itself. Every branch then ends: the pending lists of a branch, taken with
// their ancestries, cannot repeat (a non-askable condition is always expanded,
// and expansions only grow ancestries), and there are finitely many of them.
// Only names on a cycle of conclusions can meet themselves, so bases without
// cycles skip the check and keep every result.
#include "verify/flattening.hpp"

#include <cstdint>

namespace orve {

namespace {

constexpr std::int32_t kNoAncestry = -1;

// A pending condition and the ancestry node of the path that brought it in.
struct Pending {
    NameId name;
    std::int32_t ancestry;
};

// A choice made for one pending condition: the alternative taken and what to
// undo when it is abandoned.
struct Choice {
    std::size_t alternative;
    std::size_t nodes_before;
};

// One pass over a pending list: the choices made so far and the groups of
// conditions they brought in, in the order the choices were made.
struct Pass {
    std::vector<Pending> pending;
    std::vector<Choice> choices;
    std::vector<Pending> collected;
    std::vector<std::size_t> group_starts;
};

class Flattener {
  public:
    explicit Flattener(const FlatteningIndex& index)
        : index_(index), seen_(index.name_count(), 0) {}

    void run(const std::vector<NameId>& conditions, const FlatIdVisitor& visit) {
        Pass first;
        for (const NameId name : conditions) {
            if (!index_.flattenable(name)) {
                return; // no choice for the others can give a result
            }
            first.pending.push_back({name, kNoAncestry});
        }
        passes_.push_back(std::move(first));
        while (!passes_.empty()) {
            Pass& pass = passes_.back();
            if (pass.choices.size() < pass.pending.size()) {
                if (!choose(pass, 0) && !backtrack()) {
                    return;
                }
                continue;
            }
            const Outcome outcome = finish_pass(visit);
            if (outcome == Outcome::Stopped || (outcome == Outcome::Delivered && !backtrack())) {
                return;
            }
        }
    }

  private:
    // Ancestry nodes form a tree stored as parent links; a path's nodes are
    // created and dropped in stack order.
    struct Node {
        NameId name;
        std::int32_t parent;
    };

    bool on_path(const Pending& condition) const {
        if (!index_.on_cycle(condition.name)) {
            return false;
        }
        for (std::int32_t node = condition.ancestry; node != kNoAncestry;
             node = nodes_[static_cast<std::size_t>(node)].parent) {
            if (nodes_[static_cast<std::size_t>(node)].name == condition.name) {
                return true;
            }
        }
        return false;
    }

    // Takes the first usable alternative from `first` on for the next pending
    // condition of the pass; false when none is left. A rule that can never
    // flatten is passed over: it would only open branches without results,
    // exponentially many in a ring of rules.
    bool choose(Pass& pass, std::size_t first) {
        const Pending& condition = pass.pending[pass.choices.size()];
        const auto& rules = index_.concluding(condition.name);
        const std::size_t rule_count = on_path(condition) ? 0 : rules.size();
        const bool keep = index_.askable(condition.name);
        while (first < rule_count && !index_.rule_flattenable(rules[first])) {
            ++first;
        }
        if (first >= rule_count + (keep ? 1 : 0)) {
            return false;
        }
        pass.choices.push_back({first, nodes_.size()});
        pass.group_starts.push_back(pass.collected.size());
        if (first == rule_count) {
            pass.collected.push_back(condition);
            applied_.push_back(0);
            return true;
        }
        const std::size_t rule = rules[first];
        const auto node = static_cast<std::int32_t>(nodes_.size());
        nodes_.push_back({condition.name, condition.ancestry});
        for (const NameId name : index_.rule_conditions(rule)) {
            pass.collected.push_back({name, node});
        }
        applied_.push_back(index_.rules()[rule].number);
        return true;
    }

    // Undoes choices back to the most recent one with an untried alternative
    // and takes that alternative; false when the enumeration is over.
    bool backtrack() {
        while (!passes_.empty()) {
            Pass& pass = passes_.back();
            if (pass.choices.empty()) {
                passes_.pop_back();
                continue;
            }
            const Choice last = pass.choices.back();
            pass.choices.pop_back();
            pass.collected.resize(pass.group_starts.back());
            pass.group_starts.pop_back();
            applied_.pop_back();
            nodes_.resize(last.nodes_before);
            if (choose(pass, last.alternative + 1)) {
                return true;
            }
        }
        return false;
    }

    // The groups joined with the last chosen first, repeated names dropped
    // keeping the last occurrence (`usuniecie_list_wewnetrznych`, `redukuj`).
    std::vector<Pending> joined(const Pass& pass) {
        std::vector<Pending> all;
        all.reserve(pass.collected.size());
        for (std::size_t g = pass.group_starts.size(); g-- > 0;) {
            const std::size_t end =
                g + 1 < pass.group_starts.size() ? pass.group_starts[g + 1] : pass.collected.size();
            all.insert(all.end(),
                       pass.collected.begin() + static_cast<std::ptrdiff_t>(pass.group_starts[g]),
                       pass.collected.begin() + static_cast<std::ptrdiff_t>(end));
        }
        ++stamp_;
        std::vector<Pending> kept;
        for (std::size_t i = all.size(); i-- > 0;) {
            unsigned& seen = seen_[static_cast<std::size_t>(all[i].name)];
            if (seen != stamp_) {
                seen = stamp_;
                kept.push_back(all[i]);
            }
        }
        return {kept.rbegin(), kept.rend()};
    }

    enum class Outcome { NextPass, Delivered, Stopped };

    // Ends a complete pass: starts the next pass while a condition is not
    // askable, otherwise delivers the result.
    Outcome finish_pass(const FlatIdVisitor& visit) {
        std::vector<Pending> list = joined(passes_.back());
        bool all_askable = true;
        for (const Pending& condition : list) {
            all_askable = all_askable && index_.askable(condition.name);
        }
        if (!all_askable) {
            passes_.push_back(Pass{std::move(list), {}, {}, {}});
            return Outcome::NextPass;
        }
        result_.clear();
        for (const Pending& condition : list) {
            result_.push_back(condition.name);
        }
        return visit(FlatView{result_, applied_}) ? Outcome::Delivered : Outcome::Stopped;
    }

    const FlatteningIndex& index_;
    std::vector<Pass> passes_;
    std::vector<Node> nodes_;
    std::vector<int> applied_;
    std::vector<NameId> result_;
    std::vector<unsigned> seen_;
    unsigned stamp_ = 0;
};

} // namespace

void flatten_ids(const FlatteningIndex& index, const std::vector<NameId>& conditions,
                 const FlatIdVisitor& visit) {
    Flattener(index).run(conditions, visit);
}

void splaszcz(const FlatteningIndex& index, const Names& conditions,
              const std::function<bool(const Flattened&)>& visit) {
    std::vector<NameId> ids;
    ids.reserve(conditions.size());
    for (const auto& condition : conditions) {
        ids.push_back(index.id_of(condition));
    }
    flatten_ids(index, ids, [&](const FlatView& view) {
        const Flattened result{index.names_of(view.conditions),
                               Numbers(view.applied.rbegin(), view.applied.rend())};
        return visit(result);
    });
}

} // namespace orve
