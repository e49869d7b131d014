#include "line_editor.hpp"

#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include <editline/readline.h>
#include <langinfo.h>

namespace orve::cli {

namespace {

// libedit calls back through plain functions: the completion of the line
// being read is kept here.
Completion current_mode = Completion::None;
std::vector<std::string> current_candidates;

char* next_candidate(const char* typed, int state) {
    static std::size_t next = 0;
    if (state == 0) {
        current_candidates = candidates(current_mode, typed);
        next = 0;
    }
    if (next >= current_candidates.size()) {
        return nullptr;
    }
    return strdup(current_candidates[next++].c_str());
}

char** complete(const char* typed, int start, int end) {
    (void)start;
    (void)end;
    // No fallback to libedit's own file name completion, and nothing appended:
    // a folder goes on with its files, a command needs nothing after it.
    rl_attempted_completion_over = 1;
    rl_completion_append_character = '\0';
    if (current_mode == Completion::None) {
        return nullptr;
    }
    return rl_completion_matches(typed, next_candidate);
}

// The whole line is one word: menu texts and file names may hold blanks.
char kLineOnly[] = "\n";

} // namespace

LineEditor::LineEditor() {
    // libedit edits multibyte characters only in the terminal's character set.
    // A UTF-8 one classifies no single byte differently from the "C" locale
    // the rest of the program works in; any other is not taken.
    if (std::setlocale(LC_CTYPE, "") == nullptr ||
        std::strcmp(nl_langinfo(CODESET), "UTF-8") != 0) {
        std::setlocale(LC_CTYPE, "C");
    }
    rl_readline_name = "orve-cli";
    rl_attempted_completion_function = complete;
    rl_completer_word_break_characters = kLineOnly;
    rl_basic_word_break_characters = kLineOnly;
    using_history();
}

std::optional<std::string> LineEditor::read(const std::string& prompt, Completion mode) {
    current_mode = mode;
    char* typed = readline(prompt.c_str());
    current_mode = Completion::None;
    if (typed == nullptr) {
        return std::nullopt;
    }
    std::string line(typed);
    std::free(typed);
    if (!line.empty()) {
        add_history(line.c_str());
    }
    return line;
}

} // namespace orve::cli
