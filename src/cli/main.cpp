#include "terminal_app.hpp"
#include "tool_options.hpp"

#include <iostream>
#include <unistd.h>

int main(int argc, char** argv) {
    // All output goes through std::cout, flushed before each read and before other
    // programs write to the terminal; unsynchronised it is buffered in one piece.
    std::ios::sync_with_stdio(false);
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (const auto status = orve::cli::run_tool_options(args, std::cout, std::cerr)) {
        return *status;
    }
    return orve::cli::run_terminal(std::cin, std::cout, isatty(0) != 0);
}
