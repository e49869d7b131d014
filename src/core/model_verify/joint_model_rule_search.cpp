#include "model_verify/joint_model_rule_search.hpp"

#include "askables/list_helpers.hpp"
#include "models/model_operations.hpp"
#include "verify/flattening.hpp"
#include "verify/flattening_index.hpp"

#include <algorithm>
#include <iterator>
#include <unordered_map>
#include <unordered_set>
#include <utility>

namespace orve {

namespace {

// One way to go on from a condition: the condition to continue with and the
// model numbers met, in the order they stand in the collection.
struct Step {
    std::string condition;
    Numbers numbers;
};

using Positions = std::vector<std::size_t>;

void add_position(std::unordered_map<std::string, Positions>& map, const std::string& name,
                  std::size_t position) {
    map[name].push_back(position);
}

const Positions& positions_of(const std::unordered_map<std::string, Positions>& map,
                              const std::string& name) {
    static const Positions none;
    const auto found = map.find(name);
    return found == map.end() ? none : found->second;
}

// The models of a base looked up by the name they compute or conclude, each
// list in table order, so that a step costs no scan of the whole base.
class ModelIndex {
  public:
    explicit ModelIndex(const ModelBase& base) : base_(base) {
        for (std::size_t i = 0; i < base.basic.size(); ++i) {
            const ModelB& m = base.basic[i];
            names_.insert(m.result);
            add_position(is_relation(m.operation) ? relational_ : arithmetical_, m.result, i);
        }
        for (std::size_t i = 0; i < base.extended.size(); ++i) {
            const ModelE& m = base.extended[i];
            names_.insert(m.result);
            if (is_interval_relation(m.operation)) {
                add_position(interval_, m.result, i);
            }
        }
    }

    // Whether some basic or extended model computes or concludes the name.
    bool computed_or_concluded(const std::string& name) const { return names_.count(name) != 0; }

    // The steps from `condition`, in the order the alternatives are tried.
    std::vector<Step> steps_from(const std::string& condition) const {
        std::vector<Step> steps;
        const Positions& relational = positions_of(relational_, condition);
        for (const std::size_t i : relational) {
            steps.push_back({base_.basic[i].go_ahead, {base_.basic[i].number}});
        }
        for (const std::size_t i : positions_of(interval_, condition)) {
            steps.push_back({base_.extended[i].go_ahead, {base_.extended[i].number}});
        }
        for (const std::size_t i : relational) {
            add_feeding_steps(base_.basic[i], steps);
        }
        return steps;
    }

  private:
    // Steps through basic arithmetical models feeding relational model `m`,
    // in table order.
    void add_feeding_steps(const ModelB& m, std::vector<Step>& steps) const {
        const Positions& first = positions_of(arithmetical_, m.argument1);
        const Positions& second = positions_of(arithmetical_, m.argument2);
        Positions feeding;
        std::set_union(first.begin(), first.end(), second.begin(), second.end(),
                       std::back_inserter(feeding));
        for (const std::size_t i : feeding) {
            const ModelB& a = base_.basic[i];
            if (&a != &m) {
                steps.push_back({a.go_ahead, {a.number, m.number}});
            }
        }
    }

    const ModelBase& base_;
    std::unordered_set<std::string> names_;
    std::unordered_map<std::string, Positions> relational_;   // basic, by conclusion
    std::unordered_map<std::string, Positions> interval_;     // extended, by conclusion
    std::unordered_map<std::string, Positions> arithmetical_; // basic, by result
};

// Depth-first expansion of one condition, delivering its outcomes one at a
// time. The path and the steps being tried are kept on an explicit stack, so a
// long chain of models needs no deep call stack. The collections are kept with
// the front at the back of the vectors, so that adding and undoing are cheap.
class ChainSearch {
  public:
    ChainSearch(const ModelIndex& index, std::string condition)
        : index_(&index), root_(std::move(condition)) {}

    // Moves to the next outcome; false when there is none left.
    bool next() {
        if (!started_) {
            started_ = true;
            if (!enter(root_)) {
                return true;
            }
        }
        while (!levels_.empty()) {
            Level& top = levels_.back();
            if (top.next > 0) {
                undo(top.steps[top.next - 1]);
            }
            if (top.next == top.steps.size()) {
                path_.erase(top.condition);
                levels_.pop_back();
                continue;
            }
            const Step& step = top.steps[top.next++];
            apply(step);
            const std::string condition = step.condition;
            if (!enter(condition)) {
                return true;
            }
        }
        return false;
    }

    // The conditions of the current outcome, most recently added first.
    const Names& conditions() const { return conditions_; }
    // Its model numbers, most recently added first.
    const Numbers& numbers() const { return numbers_; }

  private:
    struct Level {
        std::string condition;
        std::vector<Step> steps;
        std::size_t next = 0;
    };

    // Starts expanding a condition; false when the condition ends the
    // expansion instead and the collections are the outcome. A condition met
    // again on the same path would repeat the expansion without end, so the
    // path delivers what it collected there.
    bool enter(const std::string& condition) {
        if (path_.count(condition) != 0 || !index_->computed_or_concluded(condition)) {
            return false;
        }
        path_.insert(condition);
        levels_.push_back({condition, index_->steps_from(condition)});
        return true;
    }

    void apply(const Step& step) {
        conditions_.push_back(step.condition);
        numbers_.insert(numbers_.end(), step.numbers.rbegin(), step.numbers.rend());
    }

    void undo(const Step& step) {
        conditions_.pop_back();
        numbers_.resize(numbers_.size() - step.numbers.size());
    }

    const ModelIndex* index_;
    std::string root_;
    bool started_ = false;
    std::vector<Level> levels_;
    std::unordered_set<std::string> path_; // conditions expanded on the current path
    Names conditions_;
    Numbers numbers_;
};

// The outcome of one expansion as the visitor sees it.
ModelChain outcome_of(const ChainSearch& search) {
    const Names& conditions = search.conditions();
    const Numbers& numbers = search.numbers();
    return {{conditions.rbegin(), conditions.rend()}, {numbers.rbegin(), numbers.rend()}};
}

// Every combination of one outcome per condition, as nested loops over the
// conditions in order would give them; a later condition's group stands before
// an earlier one's in the joined outcome.
class ListExpansion {
  public:
    ListExpansion(const ModelIndex& index, const Names& conditions) : index_(index) {
        for (const auto& condition : conditions) {
            if (index.computed_or_concluded(condition)) {
                relevant_.push_back(&condition);
            }
        }
    }

    void run(const ModelChainVisitor& visit) {
        if (relevant_.empty()) {
            visit(ModelChain{});
            return;
        }
        searches_.emplace_back(index_, *relevant_[0]);
        while (!searches_.empty()) {
            const std::size_t level = searches_.size() - 1;
            drop_groups_from(level);
            if (!searches_.back().next()) {
                searches_.pop_back();
                continue;
            }
            groups_.push_back(outcome_of(searches_.back()));
            if (searches_.size() == relevant_.size()) {
                visit(joined());
            } else {
                searches_.emplace_back(index_, *relevant_[searches_.size()]);
            }
        }
    }

  private:
    void drop_groups_from(std::size_t level) {
        if (groups_.size() > level) {
            groups_.resize(level);
        }
    }

    ModelChain joined() const {
        ModelChain chain;
        for (auto group = groups_.rbegin(); group != groups_.rend(); ++group) {
            chain.conditions.insert(chain.conditions.end(), group->conditions.begin(),
                                    group->conditions.end());
            chain.numbers.insert(chain.numbers.end(), group->numbers.begin(), group->numbers.end());
        }
        return chain;
    }

    const ModelIndex& index_;
    std::vector<const std::string*> relevant_;
    std::vector<ChainSearch> searches_; // one per condition being combined
    std::vector<ModelChain> groups_;    // the outcome taken for each of them
};

// Records every way rules concluding `go_ahead` lead back to it.
void test_model(int number, const std::string& go_ahead, const RuleBase& rules,
                const Positions& concluding, const FlatteningIndex& flattening,
                const ModelIndex& index, std::vector<JointModelRuleInconsistency>& records,
                TestProgress& progress) {
    for (const std::size_t position : concluding) {
        const Rule& rule = rules.rules[position];
        splaszcz(flattening, rule.conditions, [&](const Flattened& flat) {
            progress.tick();
            ListExpansion(index, flat.conditions).run([&](const ModelChain& outcome) {
                if (contains(outcome.conditions, go_ahead)) {
                    records.push_back({number, rule.number, flat.rules_used, outcome.numbers});
                }
            });
            return true;
        });
    }
}

} // namespace

void testuj_modele(const ModelBase& base, const std::string& condition,
                   const ModelChainVisitor& visit) {
    const ModelIndex index(base);
    ChainSearch search(index, condition);
    while (search.next()) {
        visit(outcome_of(search));
    }
}

void splaszcz_modele(const ModelBase& base, const Names& conditions,
                     const ModelChainVisitor& visit) {
    const ModelIndex index(base);
    ListExpansion(index, conditions).run(visit);
}

std::vector<JointModelRuleInconsistency> badaj_sprzecznosc_mr(const KnowledgeBaseSet& kb,
                                                              const AskableLists& askables,
                                                              TestProgress& progress) {
    const FlatteningIndex flattening(kb.rule, askables);
    const ModelIndex index(kb.model);
    std::unordered_map<std::string, Positions> concluding;
    for (std::size_t i = 0; i < kb.rule.rules.size(); ++i) {
        add_position(concluding, kb.rule.rules[i].conclusion, i);
    }
    std::vector<JointModelRuleInconsistency> records;
    const auto total = static_cast<long long>(kb.model.basic.size() + kb.model.extended.size());
    long long done = 0;
    const auto test = [&](int number, const std::string& go_ahead) {
        test_model(number, go_ahead, kb.rule, positions_of(concluding, go_ahead), flattening, index,
                   records, progress);
    };
    for (const auto& m : kb.model.basic) {
        progress.reach(done++, total);
        if (is_relation(m.operation)) {
            test(m.number, m.go_ahead);
        }
    }
    for (const auto& m : kb.model.extended) {
        progress.reach(done++, total);
        if (is_interval_relation(m.operation)) {
            test(m.number, m.go_ahead);
        }
    }
    return records;
}

} // namespace orve
