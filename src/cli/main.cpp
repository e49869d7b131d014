#include "terminal_app.hpp"

#include <iostream>
#include <unistd.h>

int main() {
    // All output goes through std::cout, flushed before each read and before other
    // programs write to the terminal; unsynchronised it is buffered in one piece.
    std::ios::sync_with_stdio(false);
    // The progress line of long tests only on a terminal: never in a transcript.
    return orve::cli::run_terminal(std::cin, std::cout, isatty(0) != 0,
                                   isatty(2) != 0 ? &std::cerr : nullptr);
}
