// The shape shared by the commands that read or delete a file the user picks:
// an open-file dialogue, then the file shown, or deleted after a question. A
// file that cannot be read or deleted ends the command with a note naming the
// file and the cause.
#pragma once

#include "report/dialogs.hpp"

#include <string>

namespace orve {

// The file name without its folder, as the notes and titles show it.
std::string file_name_only(const std::string& path);

// The open-file dialogue of a command.
struct FilePick {
    std::string mask;
    FileFilter filter;
    std::string title;
};

// A command that shows the whole text of the picked file.
struct ReadingCommand {
    FilePick pick;
    std::string kind;         // what the file is, for the error note ("Abstract File")
    std::string window_title; // followed by the file name
};

// A command that deletes the picked file after "Yes" to its question.
struct DeletingCommand {
    FilePick pick;
    std::string kind;         // what the file is, for the error note ("report")
    std::string ask_title;    // title of the question
    std::string ask_text;     // followed by the file name and " ?"
    std::string deleted_text; // the note: this, the file name and deleted_tail
    std::string deleted_tail;
};

// Picks a file and shows its text (Windows line ends made plain) in the text
// inspection window. False when cancelled or unreadable.
bool run_reading_command(Dialogs& ui, const ReadingCommand& command);

// Picks a file, asks, and deletes it on "Yes" with the note titled
// "Attention!". False when cancelled, declined or not deleted.
bool run_deleting_command(Dialogs& ui, const DeletingCommand& command);

// The note for a file that could not be read: the refusal of read_regular_file
// when it gave one, else "The <kind> <name> could not be read." and the cause.
void note_unreadable(Dialogs& ui, const std::string& kind, const std::string& path,
                     const std::string& refusal);

} // namespace orve
