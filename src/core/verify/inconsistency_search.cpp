// The cycle search of the external-inconsistency test. A plain depth-first walk
// over all paths takes time exponential in the base even when it records
// little, so the walk blocks conclusions that cannot lead back to the tested
// one while the current path stands (Johnson's elementary circuit search). The
// records come in the same order as from the plain walk; only branches that
// would record nothing are skipped.
#include "verify/inconsistency_search.hpp"

#include "verify/conclusion_graph.hpp"

#include <set>
#include <unordered_set>

namespace orve {

namespace {

std::size_t at(int id) {
    return static_cast<std::size_t>(id);
}

// A rule can bring its conclusion back exactly when one of its conditions lies
// in the strongly connected component of that conclusion.
std::vector<bool> inconsistent_rules(const ConclusionGraph& graph) {
    std::vector<bool> inconsistent(graph.rule_conclusion.size(), false);
    for (std::size_t rule = 0; rule < inconsistent.size(); ++rule) {
        const int own = graph.component[at(graph.rule_conclusion[rule])];
        for (const int condition : graph.rule_conditions[rule]) {
            if (condition >= 0 && graph.component[at(condition)] == own) {
                inconsistent[rule] = true;
                break;
            }
        }
    }
    return inconsistent;
}

// Keeps the records up to the limits, then only counts further ones until the
// counting steps run out.
class RecordKeeper {
  public:
    RecordKeeper(Findings& findings, const InconsistencyLimits& limits)
        : findings_(findings), limits_(limits) {}

    // Called once per search step; false when counting must stop.
    bool step() {
        if (!counting_) {
            return true;
        }
        if (++steps_ <= limits_.counting_steps) {
            return true;
        }
        findings_.unlisted_inconsistencies.exact = false;
        return false;
    }

    // Whether the next record, with a chain of `length` numbers, is kept.
    bool keeps(std::size_t length) {
        const auto& records = findings_.reguly_sprzeczne;
        counting_ = counting_ || records.size() >= limits_.records ||
                    (!records.empty() && numbers_ + length > limits_.chain_numbers);
        return !counting_;
    }

    void keep(InconsistencyRecord record) {
        numbers_ += record.chain.size();
        findings_.reguly_sprzeczne_dla_analizy.push_back(record.a);
        findings_.reguly_sprzeczne.push_back(std::move(record));
    }

    void count() { ++findings_.unlisted_inconsistencies.count; }

  private:
    Findings& findings_;
    const InconsistencyLimits& limits_;
    bool counting_ = false;
    std::size_t numbers_ = 0;
    std::uint64_t steps_ = 0;
};

// Blocked conclusions and, for each, the conclusions to unblock with it. Only
// what one search touched is reset, so many searches cost what they do.
class Blocking {
  public:
    explicit Blocking(std::size_t nodes)
        : blocked_(nodes, 0), dependents_(nodes), touched_flag_(nodes, 0) {}

    bool blocked(int node) const { return blocked_[at(node)] != 0; }

    void block(int node) {
        blocked_[at(node)] = 1;
        touch(node);
    }

    // `node` stays blocked until `successor` is unblocked.
    void depend(int successor, int node) {
        if (pairs_.insert(key(successor, node)).second) {
            dependents_[at(successor)].push_back(node);
            touch(successor);
        }
    }

    // Unblocks `node` and everything waiting on it, without recursion.
    void unblock(int node) {
        blocked_[at(node)] = 0;
        todo_.push_back(node);
        while (!todo_.empty()) {
            const int current = todo_.back();
            todo_.pop_back();
            for (const int waiting : dependents_[at(current)]) {
                pairs_.erase(key(current, waiting));
                if (blocked_[at(waiting)] != 0) {
                    blocked_[at(waiting)] = 0;
                    todo_.push_back(waiting);
                }
            }
            dependents_[at(current)].clear();
        }
    }

    void reset() {
        for (const int node : touched_) {
            blocked_[at(node)] = 0;
            for (const int waiting : dependents_[at(node)]) {
                pairs_.erase(key(node, waiting));
            }
            dependents_[at(node)].clear();
            touched_flag_[at(node)] = 0;
        }
        touched_.clear();
    }

  private:
    static std::uint64_t key(int from, int to) {
        return (static_cast<std::uint64_t>(static_cast<std::uint32_t>(from)) << 32U) |
               static_cast<std::uint32_t>(to);
    }

    void touch(int node) {
        if (touched_flag_[at(node)] == 0) {
            touched_flag_[at(node)] = 1;
            touched_.push_back(node);
        }
    }

    std::vector<char> blocked_;
    std::vector<std::vector<int>> dependents_;
    std::unordered_set<std::uint64_t> pairs_;
    std::vector<char> touched_flag_;
    std::vector<int> touched_;
    std::vector<int> todo_;
};

// A conclusion on the current path: the rules concluding it, the one being
// followed and the condition of that rule being looked at.
struct Frame {
    int node;
    const std::vector<std::size_t>* rules;
    std::size_t rule = 0;
    std::size_t position = 0;
    bool found = false; // a record was made below this frame
};

// The search for each tested rule, on an explicit stack.
class CycleSearch {
  public:
    CycleSearch(const std::vector<Rule>& rules, const ConclusionGraph& graph)
        : rules_(rules), graph_(graph), blocking_(graph.component.size()) {}

    // Records every path back to the tested rule's conclusion; false when the
    // keeper stopped the search.
    bool run(std::size_t tested, RecordKeeper& keeper, TestProgress& progress) {
        target_ = graph_.rule_conclusion[tested];
        tested_ = {tested};
        blocking_.block(target_);
        path_.push_back({target_, &tested_});
        bool going = true;
        while (going && !path_.empty()) {
            progress.tick();
            going = keeper.step() && advance(keeper);
        }
        path_.clear();
        blocking_.reset();
        return going;
    }

  private:
    bool advance(RecordKeeper& keeper) {
        Frame& top = path_.back();
        if (top.rule == top.rules->size()) {
            leave();
            return true;
        }
        const auto& conditions = graph_.rule_conditions[(*top.rules)[top.rule]];
        if (top.position == conditions.size()) {
            ++top.rule;
            top.position = 0;
            return true;
        }
        const int condition = conditions[top.position++];
        if (condition == target_) {
            top.found = true;
            record(keeper);
        } else if (enterable(condition)) {
            blocking_.block(condition);
            path_.push_back({condition, &graph_.rules_concluding[at(condition)]});
        }
        return true;
    }

    // Outside the tested conclusion's component nothing leads back to it.
    bool enterable(int condition) const {
        return condition >= 0 && !blocking_.blocked(condition) &&
               graph_.component[at(condition)] == graph_.component[at(target_)];
    }

    // A conclusion that led back stays open for other paths; one that did not
    // stays blocked until one of its conditions is unblocked.
    void leave() {
        const Frame done = path_.back();
        path_.pop_back();
        if (path_.empty()) {
            return;
        }
        if (done.found) {
            blocking_.unblock(done.node);
            path_.back().found = true;
            return;
        }
        for (const std::size_t rule : *done.rules) {
            for (const int condition : graph_.rule_conditions[rule]) {
                if (condition >= 0 && condition != target_ &&
                    graph_.component[at(condition)] == graph_.component[at(target_)]) {
                    blocking_.depend(condition, done.node);
                }
            }
        }
    }

    void record(RecordKeeper& keeper) {
        if (!keeper.keeps(path_.size())) {
            keeper.count();
            return;
        }
        InconsistencyRecord found;
        for (auto frame = path_.rbegin(); frame != path_.rend(); ++frame) {
            found.chain.push_back(rules_[(*frame->rules)[frame->rule]].number);
        }
        found.a = found.chain.back();
        found.b = found.chain.front();
        keeper.keep(std::move(found));
    }

    const std::vector<Rule>& rules_;
    const ConclusionGraph& graph_;
    Blocking blocking_;
    std::vector<Frame> path_;
    std::vector<std::size_t> tested_;
    int target_ = 0;
};

// With records left out, every inconsistent rule still has to be known as
// such: those not yet listed follow in table order.
void list_remaining(const std::vector<Rule>& rules, const std::vector<bool>& inconsistent,
                    std::vector<int>& for_analysis) {
    std::set<int> listed(for_analysis.begin(), for_analysis.end());
    for (std::size_t rule = 0; rule < rules.size(); ++rule) {
        if (inconsistent[rule] && listed.insert(rules[rule].number).second) {
            for_analysis.push_back(rules[rule].number);
        }
    }
}

} // namespace

void search_inconsistencies(const std::vector<Rule>& rules, Findings& findings,
                            const InconsistencyLimits& limits, TestProgress& progress) {
    findings.reguly_sprzeczne.clear();
    findings.unlisted_inconsistencies = {};
    const ConclusionGraph graph = build_conclusion_graph(rules);
    const std::vector<bool> inconsistent = inconsistent_rules(graph);
    RecordKeeper keeper(findings, limits);
    CycleSearch search(rules, graph);
    const auto total = static_cast<long long>(rules.size());
    for (std::size_t tested = 0; tested < rules.size(); ++tested) {
        progress.reach(static_cast<long long>(tested), total);
        if (inconsistent[tested] && !search.run(tested, keeper, progress)) {
            break;
        }
    }
    if (findings.unlisted_inconsistencies.any()) {
        list_remaining(rules, inconsistent, findings.reguly_sprzeczne_dla_analizy);
    }
}

} // namespace orve
