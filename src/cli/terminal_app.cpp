#include "terminal_app.hpp"

#include "answer_parsing.hpp"
#include "app/shell.hpp"
#include "command_line.hpp"
#include "state/commands.hpp"
#include "terminal_dialogs.hpp"

#include <memory>

namespace orve::cli {

namespace {

// "10062  enabled   Rule Base loading" for every command of the table.
void print_menu(TerminalIo& io, const CommandStates& states) {
    for (const auto& command : command_table()) {
        io.write(std::to_string(command.id));
        io.write(states.enabled(command.id) ? "  enabled   " : "  disabled  ");
        io.write_display(command.menu_text);
        io.write("\n");
    }
}

std::string quoted_command(int id) {
    const CommandInfo* info = find_command(id);
    return std::to_string(id) + (info != nullptr ? " \"" + info->menu_text + "\"" : std::string());
}

// Runs a known command, or says why it does nothing.
void run_menu_command(Shell& shell, TerminalIo& io, int id) {
    if (!shell.state().commands.enabled(id)) {
        io.write_display("Command " + quoted_command(id) + " is disabled.\n");
        return;
    }
    switch (shell.run_command(id)) {
    case CommandResult::Disabled:
        io.write_display("Command " + quoted_command(id) + " is disabled.\n");
        break;
    case CommandResult::Unknown:
        io.write_line("Unknown command " + std::to_string(id) + ".");
        break;
    case CommandResult::Completed:
    case CommandResult::Failed:
        break;
    }
}

// The shell left to the system at the end, held here so that leak checkers
// still see its memory reachable.
Shell* shell_left_at_end = nullptr;

// Handles one line of the main prompt; false when the program is to end.
bool handle_line(Shell& shell, TerminalIo& io, const std::string& line) {
    const std::string word = trim(line);
    if (word.empty()) {
        return true;
    }
    if (to_lower(word) == "menu") {
        print_menu(io, shell.state().commands);
        return true;
    }
    if (to_lower(word) == "close") {
        return !shell.close_request();
    }
    if (const auto id = match_command(word)) {
        run_menu_command(shell, io, *id);
        return true;
    }
    io.write("Unknown command: ");
    io.write_display(word);
    io.write_line(" (type \"menu\" for the list of commands)");
    return true;
}

} // namespace

int run_terminal(std::istream& in, std::ostream& out, bool interactive, std::ostream* progress,
                 LineReader* reader, StateAtEnd at_end) {
    TerminalDialogs ui(in, out, interactive, progress);
    ui.io().set_line_reader(reader);
    TerminalIo& io = ui.io();
    auto shell = std::make_unique<Shell>(ui);
    try {
        shell->start();
        io.begin_line();
        io.write_line("Type a command identifier or menu text, \"menu\" for the list of commands, "
                      "\"close\" to end.");
        while (handle_line(*shell, io, io.read_line("orve> ", Completion::Commands))) {
        }
    } catch (const ProgramClosed&) {
        // The close question was answered Yes inside a dialogue, or the input ended.
    }
    io.flush();
    if (at_end == StateAtEnd::LeftToTheSystem) {
        shell_left_at_end = shell.release();
    }
    return 0;
}

int run_terminal(std::istream& in, std::ostream& out) {
    return run_terminal(in, out, false);
}

} // namespace orve::cli
