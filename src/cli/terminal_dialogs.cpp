#include "terminal_dialogs.hpp"

#include "answer_parsing.hpp"
#include "file_listing.hpp"
#include "models/model_operations.hpp"
#include "text_encoding.hpp"

#include <filesystem>
#include <system_error>

namespace orve::cli {

namespace {

const std::string kCloseQuestion = "Do you really wish to close the program?";
// The "Argument value" dialogue asks with its own wording.
const std::string kArgumentCloseQuestion = "Do you really wich to close the program?";

// "1-3" in prompts, "1 to 3" in the lines saying what is expected.
std::string range_text(std::size_t count) {
    return "1-" + std::to_string(count);
}
std::string range_words(std::size_t count) {
    return "1 to " + std::to_string(count);
}

} // namespace

void TerminalDialogs::print_choices(const std::vector<std::string>& lines) {
    for (std::size_t i = 0; i < lines.size(); ++i) {
        io_.write("  " + std::to_string(i + 1) + " = ");
        io_.write_display(lines[i]);
        io_.write("\n");
    }
}

void TerminalDialogs::print_pick_list(const std::string& kind, const PickList& dialog) {
    io_.begin_block(kind, dialog.title);
    io_.write_text(dialog.prompt);
    print_choices(dialog.lines);
}

void TerminalDialogs::press_end(const std::string& question) {
    if (yes_no("Attention!", question)) {
        throw ProgramClosed{};
    }
}

int TerminalDialogs::ask(const std::string& title, const std::string& text,
                         const std::vector<std::string>& buttons) {
    std::vector<std::string> captions;
    for (const auto& button : buttons) {
        captions.push_back(strip_access_key(button));
    }
    io_.begin_block("Question", title);
    io_.write_text(text);
    print_choices(captions);
    const std::string last = captions.empty() ? std::string() : to_display(captions.back());
    const std::string prompt =
        "[" + range_text(captions.size()) + " or caption, Enter = " + last + "]> ";
    for (;;) {
        if (const auto button = parse_button(io_.read_line(prompt), buttons)) {
            return *button;
        }
        io_.write_line("Please type a button number from " + range_words(captions.size()) +
                       " or a button's caption.");
    }
}

bool TerminalDialogs::yes_no(const std::string& title, const std::string& text) {
    io_.begin_block("Question", title);
    io_.write_text(text);
    for (;;) {
        if (const auto yes = parse_yes_no(io_.read_line("[y/n, Enter = Yes]> "))) {
            return *yes;
        }
        io_.write_line("Please answer y (Yes) or n (No).");
    }
}

void TerminalDialogs::note(const std::string& title, const std::string& text) {
    io_.begin_block("Note", title);
    io_.write_text(text);
    io_.end_block("note");
}

std::string TerminalDialogs::get_text(const std::string& title, const std::string& prompt,
                                      const std::string& initial) {
    io_.begin_block("Text input", title);
    io_.write_text(prompt);
    if (!initial.empty()) {
        io_.write("Initial text: ");
        io_.write_text(initial);
    }
    return io_.read_line("[text, Enter = empty text]> ");
}

std::string TerminalDialogs::file_dialog(const std::string& kind, const std::string& mask,
                                         const std::vector<FileFilter>& filters,
                                         const std::string& title) {
    io_.begin_block(kind, title);
    if (!filters.empty()) {
        io_.write("Filters:");
        for (const auto& filter : filters) {
            io_.write(" ");
            // Descriptions often name their pattern already ("Rule Base (RU*.EEB)").
            const bool named = filter.description.find(filter.pattern) != std::string::npos;
            io_.write_display(named ? filter.description
                                    : filter.description + " (" + filter.pattern + ")");
        }
        io_.write("\n");
    }
    io_.write("Files matching ");
    io_.write_display(mask);
    std::error_code error;
    const std::filesystem::path folder = std::filesystem::current_path(error);
    if (error) {
        // The folder was removed or became unreadable: only full names can be used.
        io_.write_line(" (the current folder is no longer available: " + error.message() +
                       "; give a full file name):");
    } else {
        io_.write(" in ");
        io_.write_display(folder.string());
        io_.write_line(":");
    }
    const auto names = list_matching_files(mask);
    for (const auto& name : names) {
        io_.write("  ");
        io_.write_text(name);
    }
    if (names.empty()) {
        io_.write_line("  (none)");
    }
    const std::string answer =
        trim(io_.read_line("[file name, Enter = cancel]> ", Completion::Files));
    if (answer.empty()) {
        return answer;
    }
    // Without a current folder a relative name stays as typed; opening it fails.
    const std::filesystem::path full = std::filesystem::absolute(answer, error);
    return error ? answer : full.string();
}

std::string TerminalDialogs::open_file(const std::string& mask,
                                       const std::vector<FileFilter>& filters,
                                       const std::string& title) {
    return file_dialog("Open file", mask, filters, title);
}

std::string TerminalDialogs::save_file(const std::string& mask,
                                       const std::vector<FileFilter>& filters,
                                       const std::string& title) {
    return file_dialog("Save file", mask, filters, title);
}

int TerminalDialogs::radio_choice(const RadioChoice& dialog) {
    io_.begin_block("Choice", dialog.title);
    io_.write_text(dialog.prompt);
    print_choices({dialog.first, dialog.second});
    const std::string preselected = std::to_string(dialog.preselected);
    for (;;) {
        const std::string line = trim(io_.read_line("[1/2, Enter = " + preselected + "]> "));
        if (line.empty()) {
            return dialog.preselected;
        }
        if (const auto choice = parse_position(line, 2)) {
            return *choice;
        }
        io_.write_line("Please type 1 or 2.");
    }
}

int TerminalDialogs::pick_fact(const PickList& dialog) {
    print_pick_list("Pick a fact", dialog);
    const std::string range = range_text(dialog.lines.size());
    for (;;) {
        const std::string line = trim(io_.read_line("[" + range + " or !end, Enter = 1]> "));
        if (line.empty()) {
            return 1;
        }
        if (is_end_request(line)) {
            press_end(kCloseQuestion);
            continue;
        }
        if (const auto position = parse_position(line, static_cast<int>(dialog.lines.size()))) {
            return *position;
        }
        io_.write_line("Please type a line number from " + range_words(dialog.lines.size()) +
                       ", or !end.");
    }
}

std::vector<int> TerminalDialogs::pick_facts(const PickList& dialog) {
    print_pick_list("Pick facts", dialog);
    const std::string range = range_text(dialog.lines.size());
    for (;;) {
        const std::string line = io_.read_line("[numbers " + range + " or !end, Enter = none]> ");
        if (is_end_request(line)) {
            press_end(kCloseQuestion);
            continue;
        }
        if (auto picked = parse_positions(line, static_cast<int>(dialog.lines.size()))) {
            return *picked;
        }
        io_.write_line("Please type line numbers from " + range_words(dialog.lines.size()) +
                       " separated by blanks or commas, or !end.");
    }
}

void TerminalDialogs::message_list(const std::string& heading,
                                   const std::vector<std::string>& lines) {
    io_.begin_block("Message", "");
    io_.write_text(heading);
    io_.write_lines("  ", lines);
    io_.end_block("message");
}

std::string TerminalDialogs::argument_value(const std::string& argument) {
    io_.begin_block("Argument value", "");
    io_.write_line("Determine value of argument:");
    io_.write_display(argument);
    io_.write_line(" =");
    for (;;) {
        std::string line = io_.read_line("[value or !end, Enter = empty]> ");
        if (is_end_request(line)) {
            press_end(kArgumentCloseQuestion);
        } else if (trim(line).empty() || typed_real(line)) {
            return line;
        } else {
            // The evaluation would drop a non-number silently; tell the user and ask again.
            io_.write_line("Not a number. Please type a number such as 12.5 or 12,5, or !end.");
        }
    }
}

std::optional<int> TerminalDialogs::pick_line(const PickList& dialog) {
    print_pick_list("Pick", dialog);
    const std::string range = range_text(dialog.lines.size());
    for (;;) {
        const std::string line = trim(io_.read_line("[" + range + ", Enter = cancel]> "));
        if (line.empty()) {
            return std::nullopt;
        }
        if (const auto position = parse_position(line, static_cast<int>(dialog.lines.size()))) {
            return position;
        }
        io_.write_line("Please type a line number from " + range_words(dialog.lines.size()) +
                       ", or an empty line to cancel.");
    }
}

} // namespace orve::cli
