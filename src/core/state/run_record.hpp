// What the last chaining run established and how, kept after the run for the
// commands that look back at it (why not?, what if?, the proof tree).
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

namespace orve {

// One conclusion established during a run, by a rule or a relational model.
struct Derivation {
    bool by_model = false;
    std::size_t rule_index = 0; // position in the rule table (rules only)
    int number = 0;             // rule or model number
    std::string conclusion;
};

// One answer the user gave: a condition ("yes" / "no") or an argument value
// (the text as typed), in the order given.
struct GivenAnswer {
    std::string name;
    std::string value;
};

enum class RunDirection { None, Forward, Backward };

struct RunRecord {
    RunDirection direction = RunDirection::None;
    std::string hypothesis; // backward runs
    std::vector<Derivation> derivations;
    // The true and false conditions when the run ended, taken before the
    // forward ending empties the true ones.
    std::optional<std::vector<std::string>> true_at_end;
    std::vector<std::string> false_at_end;

    void rule_fired(std::size_t rule_index, int number, const std::string& conclusion) {
        derivations.push_back({false, rule_index, number, conclusion});
    }
    void model_fired(int number, const std::string& conclusion) {
        derivations.push_back({true, 0, number, conclusion});
    }

    // Records an answer; a later answer to the same name replaces the earlier.
    void answer(const std::string& name, const std::string& value) {
        const auto [found, added] = answer_index_.emplace(name, answers_.size());
        if (!added) {
            answers_[found->second].value = value;
            return;
        }
        answers_.push_back({name, value});
    }
    // The answer given to a name, if any.
    const std::string* answer_to(const std::string& name) const {
        const auto found = answer_index_.find(name);
        return found == answer_index_.end() ? nullptr : &answers_[found->second].value;
    }

    const std::vector<GivenAnswer>& answers() const { return answers_; }

  private:
    std::vector<GivenAnswer> answers_;
    std::unordered_map<std::string, std::size_t> answer_index_;
};

} // namespace orve
