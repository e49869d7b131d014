#include "line_editor.hpp"
#include "program_arguments.hpp"
#include "terminal_app.hpp"

#include <iostream>
#include <memory>
#include <string>
#include <unistd.h>
#include <vector>

int main(int argc, char** argv) {
    // All output goes through std::cout, flushed before each read and before other
    // programs write to the terminal; unsynchronised it is buffered in one piece.
    std::ios::sync_with_stdio(false);
    const std::vector<std::string> args(argv + 1, argv + argc);
    const bool interactive = isatty(0) != 0;
    if (!args.empty()) {
        return orve::cli::run_program(args, std::cin, std::cout, std::cerr, interactive);
    }
    // Line editing only for a person at a terminal: piped input is read as it is.
    std::unique_ptr<orve::cli::LineEditor> editor;
    if (interactive) {
        editor = std::make_unique<orve::cli::LineEditor>();
    }
    // The progress line of long tests only on a terminal: never in a transcript.
    // The process ends right after, so the system reclaims the shell's memory.
    return orve::cli::run_terminal(std::cin, std::cout, interactive,
                                   isatty(2) != 0 ? &std::cerr : nullptr, editor.get(),
                                   orve::cli::StateAtEnd::LeftToTheSystem);
}
