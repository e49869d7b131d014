#include "terminal_app.hpp"

#include <iostream>
#include <unistd.h>

int main() {
    // All output goes through std::cout, flushed before each read and before other
    // programs write to the terminal; unsynchronised it is buffered in one piece.
    std::ios::sync_with_stdio(false);
    return orve::cli::run_terminal(std::cin, std::cout, isatty(0) != 0);
}
