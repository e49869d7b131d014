// The records of one backward chaining run, beside the shared working memory.
#pragma once

#include "kb/model_lookup.hpp"

#include <cstddef>
#include <deque>
#include <optional>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <utility>
#include <vector>

namespace orve {

// Which hypotheses are offered: final conclusions only, or any conclusion.
enum class HypothesisType { Narrow = 1, Wide = 2 };

struct BackwardRun {
    HypothesisType type = HypothesisType::Narrow;
    std::optional<std::string> hipoteza; // the main hypothesis while the run lasts
    // Rules whose conditions are being verified, in the order they were
    // entered; a failed condition removes the front record, a fired rule its
    // own record, so records of failed branches may stay.
    std::deque<int> regula_stosowana;
    // The rule or relational model whose firing established a name; a model
    // puts its record in front.
    std::deque<std::pair<int, std::string>> numer_prawda;
    // Names being verified on the current path of the search.
    std::unordered_set<std::string> verifying;
    // Positions in the rule table of the rules concluding each name, in table
    // order; filled when first needed (the table does not change in a run).
    std::unordered_map<std::string, std::vector<std::size_t>> rules_by_conclusion;
    // The models by result, likewise filled when first needed.
    std::optional<ModelLookup> model_lookup;

    // The number that established the name, if any.
    std::optional<int> established_by(const std::string& name) const {
        for (const auto& [number, established] : numer_prawda) {
            if (established == name) {
                return number;
            }
        }
        return std::nullopt;
    }
};

} // namespace orve
