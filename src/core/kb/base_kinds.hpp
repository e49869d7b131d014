// What sets the six base kinds apart, kept as one table indexed by kind: the
// clause types of their files, their names and the texts of loading them.
#pragma once

#include "kb/clause_reader.hpp"
#include "kb/knowledge_base.hpp"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace orve {

// The texts of loading a base: dialogue, loaded messages and the repair
// instructions of the read-error fallbacks.
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

// The media folder of an Advice, Graphics or Sound Base and the texts of
// refusing the base when the folder holds none of its files.
struct MediaFolderTexts {
    const char* prefix;      // "..\ADVICES\", followed by the knowledge-base name
    const char* extension;   // of the files the folder must hold
    const char* first_line;  // "No ... for"
    const char* therefore;   // "Therefore the ... can not be loaded."
    const char* note_second; // the note's second line
};

struct BaseKindInfo {
    const char* name; // "Rule Base", "Model Base" and so on
    // Working, remark and switched-off clause types of the kind's files.
    ClauseSchema schema;
    // Appends one working clause to the kind's tables, moving its fields out;
    // others are ignored.
    std::function<void(Clause& clause, KnowledgeBaseSet& kb)> fill;
    // Moves the kind's base from one set into the other, replacing it there.
    std::function<void(KnowledgeBaseSet& from, KnowledgeBaseSet& to)> adopt;
    // The name record of the loaded base of this kind.
    std::function<std::optional<BaseName>&(KnowledgeBaseSet& kb)> loaded_name;
    LoadTexts load;
    std::optional<MediaFolderTexts> media; // the media kinds only
};

// Every kind, in the order of BaseKind.
inline constexpr BaseKind kBaseKinds[] = {BaseKind::Rule,       BaseKind::Model,
                                          BaseKind::Constraint, BaseKind::Advice,
                                          BaseKind::Graphics,   BaseKind::Sound};

// The table's entry of a kind.
const BaseKindInfo& base_kind(BaseKind kind);

} // namespace orve
