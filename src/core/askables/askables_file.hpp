// The text of the askables file: the askable conditions that no constraint
// makes exclusive, the exclusive groups and the askable arguments of the loaded
// bases. The file is a document for the knowledge engineer; nothing reads it back.
#pragma once

#include "kb/knowledge_base.hpp"

#include <optional>
#include <string>

namespace orve {

// What one askables file is written from.
struct AskablesFileSources {
    std::string rule_base;                 // file name of the loaded Rule Base
    std::optional<std::string> model_base; // file name of the Model Base, when loaded
    // The constraints of the Constraint Base, or nullptr when none is loaded.
    const std::vector<Constraint>* constraints = nullptr;
    // The askable conditions in their sorted order: the display list of the Rule
    // and Model Bases when a Model Base is loaded, else the Rule Base's own.
    Names conditions;
    Names arguments; // askable arguments of the Model Base; ignored without one
};

// The whole file text, lines ended by '\n'.
std::string askables_file_text(const AskablesFileSources& sources);

} // namespace orve
