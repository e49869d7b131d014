// The dialogue titles, patterns and messages of the file management commands,
// one record per kind of file.
#pragma once

#include "files/managed_files.hpp"

#include <string>

namespace orve {

struct ManagedFileTexts {
    std::string description; // what the file dialogues filter by, e.g. "Rule Base"

    // Creating: save dialogue, note and the question whether to edit.
    std::string create_pattern;
    std::string create_title;
    std::string created;        // the note is created + name + created_ending
    std::string created_ending; // " has been created." or " has been created!"
    std::string created_title;
    std::string proceed_title; // the question is proceed_text + name + " ?"
    std::string proceed_text;

    // Editing: open dialogue.
    std::string edit_pattern;
    std::string edit_title;

    // Deleting: open dialogue, question and note.
    std::string delete_pattern;
    std::string delete_title;
    std::string question_title; // the question is question + name + " ?"
    std::string question;
    std::string deleted; // the note is deleted + name + deleted_ending
    std::string deleted_ending;
};

const ManagedFileTexts& managed_file_texts(ManagedFile kind);

} // namespace orve
