// The per-base texts of loading: dialogue, loaded messages and the repair
// instructions of the read-error fallbacks.
#pragma once

#include "kb/knowledge_base.hpp"

#include <string>
#include <vector>

namespace orve {

struct LoadTexts {
    std::string dialog_title;
    std::string filter_description; // e.g. "Rule Base (RU*.EEB)"
    std::string pattern;            // e.g. "RU*.EEB"
    std::string initial_mask;
    // The loaded message: the first item is followed by the base name.
    std::string loaded_first;
    std::string loaded_second;
    std::string note_head; // the note is note_head + "\n    " + name + "\nhas been loaded!"
    std::string note_title;
    // Fallback a: written lines, note text and title.
    std::vector<std::string> repair_lines;
    std::string repair_note;
    std::string repair_title;
    // Fallback b: written lines, note text and title.
    std::vector<std::string> empty_lines_lines;
    std::string empty_lines_note;
    std::string empty_lines_title;
};

const LoadTexts& load_texts(BaseKind kind);

} // namespace orve
