// Completion of answer lines typed at a terminal: the candidates for what has
// been typed so far. Pure functions, apart from reading folders, so that they
// are checked without a terminal.
#pragma once

#include <string>
#include <vector>

namespace orve::cli {

// What a line being typed is completed with.
enum class Completion {
    None,     // free text, numbers, yes and no
    Commands, // the main prompt
    Files,    // a file dialogue
};

// The lines of the main prompt that start with `typed`: command identifiers,
// menu texts (without "&") and the words "menu" and "close". A menu text is
// matched ignoring case and the number of blanks between words, as at the
// prompt. In the order of the command table, without repeats.
std::vector<std::string> command_candidates(const std::string& typed);

// The files and folders whose path starts with `typed`, relative to the
// current folder unless absolute; folders end in "/". Names starting with "."
// only when the typed name does. Sorted.
std::vector<std::string> file_candidates(const std::string& typed);

// The candidates of `mode` for `typed`.
std::vector<std::string> candidates(Completion mode, const std::string& typed);

} // namespace orve::cli
