// Anomalies of spelling: dead-end conditions and names that differ only by
// letter case or blanks.
#include "verify/anomaly_checks.hpp"

#include "state/condition_names.hpp"
#include "verify/model_names.hpp"

#include <algorithm>
#include <cstddef>
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string_view>
#include <unordered_map>

namespace orve {

namespace {

// Names longer than this are compared only by their folded form: the one-slip
// keys of a name grow with the square of its length.
constexpr std::size_t kMaxSlipLength = 200;
// Short names are a slip apart by chance ("x" and "b"): only names of this
// length or more are compared by slips.
constexpr std::size_t kMinSlipLength = 5;

std::size_t hash_of(std::string_view text) {
    return std::hash<std::string_view>{}(text);
}

// The name and each of its one-byte deletions: two names one slip apart share
// one of these keys.
std::vector<std::size_t> slip_keys(const std::string& name) {
    std::vector<std::size_t> keys{hash_of(name)};
    for (std::size_t i = 0; i < name.size(); ++i) {
        keys.push_back(hash_of(name.substr(0, i) + name.substr(i + 1)));
    }
    return keys;
}

// The conclusions of rules and models, findable by folded name and by slip key.
class ConclusionIndex {
  public:
    explicit ConclusionIndex(const KnowledgeBaseSet& kb) {
        for (const auto& rule : kb.rule.rules) {
            add(rule.conclusion);
        }
        for (const auto& result : model_results(kb.model)) {
            add(result);
        }
    }

    bool concluded(const std::string& name) const { return names_.count(name) != 0; }

    // The first conclusion (in table order) one slip or a fold away from `name`.
    std::optional<std::string> near(const std::string& name) const {
        const auto folded = by_fold_.find(folded_name(name));
        if (folded != by_fold_.end()) {
            return order_[folded->second];
        }
        if (name.size() < kMinSlipLength || name.size() > kMaxSlipLength) {
            return std::nullopt;
        }
        std::size_t best = order_.size();
        for (const std::size_t key : slip_keys(name)) {
            const auto [from, to] = by_slip_.equal_range(key);
            for (auto it = from; it != to; ++it) {
                if (it->second < best && one_slip_apart(name, order_[it->second])) {
                    best = it->second;
                }
            }
        }
        return best < order_.size() ? std::optional(order_[best]) : std::nullopt;
    }

  private:
    void add(const std::string& name) {
        if (!names_.insert(name).second) {
            return;
        }
        const std::size_t at = order_.size();
        order_.push_back(name);
        by_fold_.emplace(folded_name(name), at);
        if (name.size() + 1 >= kMinSlipLength && name.size() <= kMaxSlipLength) {
            for (const std::size_t key : slip_keys(name)) {
                by_slip_.emplace(key, at);
            }
        }
    }

    std::set<std::string> names_;
    std::vector<std::string> order_;
    std::unordered_map<std::string, std::size_t> by_fold_;
    std::unordered_multimap<std::size_t, std::size_t> by_slip_;
};

// Names an author shows to be askable: declared facts and constraint conditions.
std::set<std::string> declared_askable(const KnowledgeBaseSet& kb) {
    std::set<std::string> names(kb.rule.facts.begin(), kb.rule.facts.end());
    names.insert(kb.model.m_facts.begin(), kb.model.m_facts.end());
    for (const auto& constraint : kb.constraint.constraints) {
        names.insert(constraint.conditions.begin(), constraint.conditions.end());
    }
    return names;
}

} // namespace

std::string folded_name(const std::string& name) {
    std::string folded;
    for (const char c : name) {
        if (c == ' ' || c == '\t') {
            continue;
        }
        folded += (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
    }
    return folded;
}

bool one_slip_apart(const std::string& a, const std::string& b) {
    if (a == b) {
        return false;
    }
    const std::string& longer = a.size() >= b.size() ? a : b;
    const std::string& shorter = a.size() >= b.size() ? b : a;
    if (longer.size() - shorter.size() > 1) {
        return false;
    }
    std::size_t start = 0;
    while (start < shorter.size() && longer[start] == shorter[start]) {
        ++start;
    }
    std::size_t end_long = longer.size();
    std::size_t end_short = shorter.size();
    while (end_short > start && longer[end_long - 1] == shorter[end_short - 1]) {
        --end_long;
        --end_short;
    }
    const std::size_t differ_long = end_long - start;
    const std::size_t differ_short = end_short - start;
    if (differ_long <= 1 && differ_short <= 1) {
        return true; // one insertion, deletion or replacement
    }
    return differ_long == 2 && differ_short == 2 && longer[start] == shorter[start + 1] &&
           longer[start + 1] == shorter[start];
}

std::vector<Anomaly> find_dead_end_conditions(const KnowledgeBaseSet& kb) {
    const ConclusionIndex conclusions(kb);
    const std::set<std::string> declared = declared_askable(kb);
    std::map<std::string, std::size_t> position; // condition -> its anomaly
    std::vector<Anomaly> found;
    for (const auto& rule : kb.rule.rules) {
        for (const auto& condition : rule.conditions) {
            if (condition == no_condition_name || conclusions.concluded(condition) ||
                declared.count(condition) != 0) {
                continue;
            }
            auto at = position.find(condition);
            if (at == position.end()) {
                const auto conclusion = conclusions.near(condition);
                if (!conclusion) {
                    continue;
                }
                at = position.emplace(condition, found.size()).first;
                found.push_back({AnomalyKind::DeadEndCondition, {}, {}, {condition, *conclusion}});
            }
            Numbers& rules = found[at->second].rules;
            if (rules.empty() || rules.back() != rule.number) {
                rules.push_back(rule.number);
            }
        }
    }
    return found;
}

std::vector<Anomaly> find_similar_names(const KnowledgeBaseSet& kb) {
    Names all;
    for (const auto& rule : kb.rule.rules) {
        all.push_back(rule.conclusion);
        all.insert(all.end(), rule.conditions.begin(), rule.conditions.end());
    }
    all.insert(all.end(), kb.rule.facts.begin(), kb.rule.facts.end());
    for (const auto& constraint : kb.constraint.constraints) {
        all.insert(all.end(), constraint.conditions.begin(), constraint.conditions.end());
    }
    for (const Names& names : {model_results(kb.model), model_inputs(kb.model), kb.model.m_facts}) {
        all.insert(all.end(), names.begin(), names.end());
    }
    // Folded name -> the spellings in order of first appearance.
    std::map<std::string, Names> spellings;
    std::vector<std::string> order;
    std::set<std::string> seen;
    for (const auto& name : all) {
        if (!seen.insert(name).second) {
            continue;
        }
        const std::string folded = folded_name(name);
        auto& group = spellings[folded];
        if (group.empty()) {
            order.push_back(folded);
        }
        group.push_back(name);
    }
    std::vector<Anomaly> found;
    for (const auto& folded : order) {
        if (spellings[folded].size() > 1) {
            found.push_back({AnomalyKind::SimilarNames, {}, {}, spellings[folded]});
        }
    }
    return found;
}

} // namespace orve
