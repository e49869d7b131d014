// Anomalies of spelling: dead-end conditions and names that differ only by
// letter case or blanks.
#include "verify/anomaly_checks.hpp"

#include "state/condition_names.hpp"
#include "verify/model_names.hpp"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <map>
#include <optional>
#include <set>
#include <unordered_map>

namespace orve {

namespace {

// Names longer than this are compared only by their folded form.
constexpr std::size_t kMaxSlipLength = 200;
// Names of few letters are a slip apart by chance ("x" and "b", "a12" and
// "m12"): only names with this many letters or more are compared by slips.
constexpr std::size_t kMinSlipLetters = 5;
// Conclusions examined per key of a name: many conclusions can share a key
// ("ab", "ac", ... all lose a letter to "a"), and any one of them will do.
constexpr std::size_t kMaxCandidates = 64;

constexpr std::uint64_t kHashBase = 1099511628211ULL;

// The hash of the name and of each of its one-byte deletions: two names one
// slip apart share one of these keys. Polynomial hashes of the prefixes give
// every deletion's hash in constant time.
std::vector<std::uint64_t> slip_keys(const std::string& name) {
    const std::size_t n = name.size();
    std::vector<std::uint64_t> prefix(n + 1, 0);
    std::vector<std::uint64_t> power(n + 1, 1);
    for (std::size_t i = 0; i < n; ++i) {
        prefix[i + 1] = prefix[i] * kHashBase + static_cast<unsigned char>(name[i]) + 1;
        power[i + 1] = power[i] * kHashBase;
    }
    std::vector<std::uint64_t> keys{prefix[n]};
    for (std::size_t i = 0; i < n; ++i) {
        const std::size_t rest = n - i - 1;
        const std::uint64_t suffix = prefix[n] - prefix[i + 1] * power[rest];
        keys.push_back(prefix[i] * power[rest] + suffix);
    }
    return keys;
}

// Letters of a name: ASCII letters and the bytes of other alphabets.
std::size_t letters(const std::string& name) {
    return static_cast<std::size_t>(std::count_if(name.begin(), name.end(), [](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return (byte | 0x20) >= 'a' && (byte | 0x20) <= 'z' ? true : byte >= 0x80;
    }));
}

using SlipEntry = std::pair<std::uint64_t, std::size_t>; // key, conclusion

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
        std::sort(by_slip_.begin(), by_slip_.end());
    }

    bool concluded(const std::string& name) const { return names_.count(name) != 0; }

    // The first conclusion (in table order) one slip or a fold away from `name`.
    std::optional<std::string> near(const std::string& name) const {
        const auto folded = by_fold_.find(folded_name(name));
        if (folded != by_fold_.end()) {
            return order_[folded->second];
        }
        if (name.size() > kMaxSlipLength || letters(name) < kMinSlipLetters) {
            return std::nullopt;
        }
        std::size_t best = order_.size();
        for (const std::uint64_t key : slip_keys(name)) {
            auto it = std::lower_bound(by_slip_.begin(), by_slip_.end(), SlipEntry{key, 0});
            for (std::size_t seen = 0;
                 it != by_slip_.end() && it->first == key && seen < kMaxCandidates; ++it, ++seen) {
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
        if (name.size() <= kMaxSlipLength && letters(name) + 1 >= kMinSlipLetters) {
            for (const std::uint64_t key : slip_keys(name)) {
                by_slip_.emplace_back(key, at);
            }
        }
    }

    std::set<std::string> names_;
    std::vector<std::string> order_;
    std::unordered_map<std::string, std::size_t> by_fold_;
    std::vector<SlipEntry> by_slip_; // sorted
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
    // Names that differ in a digit ("pump 1 on", "pump 2 on") are meant apart.
    const auto digit = [](char c) { return c >= '0' && c <= '9'; };
    if (std::any_of(longer.begin() + static_cast<std::ptrdiff_t>(start),
                    longer.begin() + static_cast<std::ptrdiff_t>(end_long), digit) ||
        std::any_of(shorter.begin() + static_cast<std::ptrdiff_t>(start),
                    shorter.begin() + static_cast<std::ptrdiff_t>(end_short), digit)) {
        return false;
    }
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
    std::set<std::string> clean;                 // conditions near no conclusion
    std::vector<Anomaly> found;
    for (const auto& rule : kb.rule.rules) {
        for (const auto& condition : rule.conditions) {
            if (condition == no_condition_name || conclusions.concluded(condition) ||
                declared.count(condition) != 0 || clean.count(condition) != 0) {
                continue;
            }
            auto at = position.find(condition);
            if (at == position.end()) {
                const auto conclusion = conclusions.near(condition);
                if (!conclusion) {
                    clean.insert(condition);
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
