#include "verify/conclusion_graph.hpp"

#include <algorithm>
#include <string_view>
#include <unordered_map>

namespace orve {

namespace {

using IdMap = std::unordered_map<std::string_view, int>;

IdMap conclusion_ids(const std::vector<Rule>& rules) {
    IdMap ids;
    for (const auto& rule : rules) {
        ids.try_emplace(rule.conclusion, static_cast<int>(ids.size()));
    }
    return ids;
}

int id_of(const IdMap& ids, const std::string& name) {
    const auto found = ids.find(name);
    return found == ids.end() ? -1 : found->second;
}

std::size_t at(int id) {
    return static_cast<std::size_t>(id);
}

// One step of the depth-first walk: a node and the next successor to look at.
struct Visit {
    int node;
    std::size_t next;
};

class Tarjan {
  public:
    explicit Tarjan(const std::vector<std::vector<int>>& successors)
        : successors_(successors), index_(successors.size(), -1), low_(successors.size(), 0),
          on_stack_(successors.size(), false), component_(successors.size(), -1) {}

    std::vector<int> run() {
        for (std::size_t node = 0; node < successors_.size(); ++node) {
            if (index_[node] < 0) {
                walk_from(static_cast<int>(node));
            }
        }
        return component_;
    }

  private:
    void enter(int node) {
        index_[at(node)] = low_[at(node)] = counter_++;
        stack_.push_back(node);
        on_stack_[at(node)] = true;
        walk_.push_back({node, 0});
    }

    void walk_from(int root) {
        enter(root);
        while (!walk_.empty()) {
            const int node = walk_.back().node;
            const auto& next = successors_[at(node)];
            if (walk_.back().next < next.size()) {
                const int successor = next[walk_.back().next++];
                if (index_[at(successor)] < 0) {
                    enter(successor);
                } else if (on_stack_[at(successor)]) {
                    low_[at(node)] = std::min(low_[at(node)], index_[at(successor)]);
                }
                continue;
            }
            leave(node);
        }
    }

    void leave(int node) {
        if (low_[at(node)] == index_[at(node)]) {
            int member = -1;
            do {
                member = stack_.back();
                stack_.pop_back();
                on_stack_[at(member)] = false;
                component_[at(member)] = components_;
            } while (member != node);
            ++components_;
        }
        walk_.pop_back();
        if (!walk_.empty()) {
            const int parent = walk_.back().node;
            low_[at(parent)] = std::min(low_[at(parent)], low_[at(node)]);
        }
    }

    const std::vector<std::vector<int>>& successors_;
    std::vector<int> index_;
    std::vector<int> low_;
    std::vector<bool> on_stack_;
    std::vector<int> component_;
    std::vector<int> stack_;
    std::vector<Visit> walk_;
    int counter_ = 0;
    int components_ = 0;
};

} // namespace

std::vector<int> strongly_connected_components(const std::vector<std::vector<int>>& successors) {
    return Tarjan(successors).run();
}

ConclusionGraph build_conclusion_graph(const std::vector<Rule>& rules) {
    const IdMap ids = conclusion_ids(rules);
    ConclusionGraph graph;
    graph.rules_concluding.resize(ids.size());
    std::vector<std::vector<int>> successors(ids.size());
    for (std::size_t index = 0; index < rules.size(); ++index) {
        const int conclusion = id_of(ids, rules[index].conclusion);
        graph.rule_conclusion.push_back(conclusion);
        graph.rules_concluding[at(conclusion)].push_back(index);
        std::vector<int> conditions;
        for (const auto& condition : rules[index].conditions) {
            const int id = id_of(ids, condition);
            conditions.push_back(id);
            if (id >= 0) {
                successors[at(conclusion)].push_back(id);
            }
        }
        graph.rule_conditions.push_back(std::move(conditions));
    }
    graph.component = strongly_connected_components(successors);
    return graph;
}

} // namespace orve
